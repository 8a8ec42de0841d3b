#include "os/Files.h"

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

namespace rk::os {

void AppendToFile(const std::string& path, const std::string& text)
{
    // One fputs before fclose: a single write of the whole text.
    if (std::FILE* file = std::fopen(path.c_str(), "ab")) {
        std::fputs(text.c_str(), file);
        std::fclose(file);
    }
}

void MakeDirectory(const std::string& path) { ::mkdir(path.c_str(), 0700); }

void RemoveEmptyDirectory(const std::string& path) { ::rmdir(path.c_str()); }

void UseBinaryStandardOutput() {}

} // namespace rk::os
