#pragma once
// db2cli.ini's format: "[section]" lines and "key = value" lines below them;
// lines starting with ';' are comments, blank lines are ignored. Section
// names and keys are compared without regard to case, and the first of two
// equal keys in a section counts (as DB2 takes them). The reader is ours, a
// few lines, so that every flavour reads a file the same way.

#include <string>
#include <vector>

namespace rk::db2config {

struct IniKey {
    std::string name;
    std::string value;
    unsigned line;
};

struct IniSection {
    std::string name;
    unsigned line;
    std::vector<IniKey> keys;

    // The value of `name` (any case), or null.
    const IniKey* Find(const std::string& name) const;
};

// The sections of `text`. A line that is neither a section, a key nor a
// comment, a section without a name and a key before the first section are
// left out, each with a problem "line N: ..." that never quotes the line (a
// password may stand in it).
std::vector<IniSection> ReadIni(const std::string& text, std::vector<std::string>& problems);

} // namespace rk::db2config
