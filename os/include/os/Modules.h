#pragma once
// The libraries loaded into this process as the system's module list knows
// them (GetModuleHandleA and GetModuleFileNameA on Windows, dl_iterate_phdr
// on Linux), and the file versions of their version resources.

#include <string>

namespace rk::os {

// The full path of the loaded library named `fileName` (a file name without
// a directory, compared as the system compares it: without regard to case on
// Windows), in the platform's form; empty when no such library is loaded.
std::string LoadedLibraryPath(const std::string& fileName);

// "major.minor.build.revision" from the file's VERSIONINFO resource; empty
// when the file has none (ELF files never have one).
std::string FileVersion(const std::string& path);
// Whether the platform's libraries can carry a version resource at all.
bool HasVersionResources();

} // namespace rk::os
