#pragma once
// The DB2 client's three libraries as this process finds them: whether each
// loads by the bare file name the product library loads it by (so through
// the same search), with the entry points the library requires, where the
// system loaded it from and its file version.

#include <string>
#include <vector>

namespace rkdb2 {

struct ClientFileStatus {
    std::string fileName;
    bool usable = false; // loads and has every required entry point
    std::string path;    // where the system loaded it from; empty when it did not
    std::string version; // from its version resource; empty when it has none
    std::string problem; // why it is not usable
};

// RkDb2Rova as the process loaded it: its path and version.
struct ProductLibraryStatus {
    std::string path;            // empty when it is not in the module list
    std::string version;         // from its version resource, else this build's
    bool versionOfBuild = false; // the platform has no version resources
};
ProductLibraryStatus InspectProductLibrary();

// db2app, db2sys and db2cli for this build's bitness. Call after the
// library's first use: a file the library holds is the file it loaded.
std::vector<ClientFileStatus> InspectClientFiles();

// The other bitness's client files (db2app64.dll for a 32-bit build, and so
// on) where the library search would find them: "db2app64.dll" and the path.
// Always empty on Linux, which names both bitnesses' files alike.
struct OtherBitnessFile {
    std::string fileName;
    std::string path;
};
std::vector<OtherBitnessFile> FindOtherBitnessClientFiles();

} // namespace rkdb2
