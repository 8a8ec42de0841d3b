#pragma once
// A library loaded for the life of the object: LoadLibraryA, GetProcAddress
// and FreeLibrary on Windows, dlopen (RTLD_NOW | RTLD_LOCAL), dlsym and
// dlclose on Linux; and the process's library search around it.

#include <string>

namespace rk::os {

class LoadedLibrary {
public:
    // Loads by path (a Unix path takes the platform's form first, see
    // PlatformPath) or, for a bare file name, through the system's search.
    explicit LoadedLibrary(const std::string& path);
    ~LoadedLibrary() { Unload(); }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    bool IsLoaded() const { return m_handle != nullptr; }
    // Why the load failed, in the system's words; empty when it succeeded.
    const std::string& Error() const { return m_error; }
    // Releases the library now; nothing when it is not loaded.
    void Unload();
    // Lets go of the library without releasing it: it stays loaded for the
    // rest of the process, and IsLoaded() is false from now on.
    void KeepForProcessLife() { m_handle = nullptr; }

    // An export's address by its exact name, or null.
    void* Export(const char* name) const;

private:
    void* m_handle = nullptr;
    std::string m_error;
};

// Whether this process can add a directory to the search for libraries
// loaded by bare file name once it runs: Windows can (SetDllDirectoryA);
// Linux reads LD_LIBRARY_PATH at process start only.
bool CanSetLibrarySearchDirectory();
// Adds `dir` (in the platform's form, see PlatformPath) to that search where
// the platform can; nothing elsewhere.
void SetLibrarySearchDirectory(const std::string& dir);

// Where the search for a library by bare file name would find the file
// `fileName`, without loading it: the directory added above, then the
// program's directory, the system's and PATH (SearchPathA) on Windows, the
// directories of LD_LIBRARY_PATH on Linux. Empty when no such file is there.
std::string FindLibraryFile(const std::string& fileName);

// Whether unloading a library that releases others runs their finalizers in
// the order it releases them: Windows does; glibc defers the finalizers of
// libraries released while another one is being unloaded and runs them in
// its own order.
bool UnloadFinalizesInReleaseOrder();

} // namespace rk::os
