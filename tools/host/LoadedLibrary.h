#pragma once
// A library loaded by path for the life of the object: LoadLibraryA,
// GetProcAddress and FreeLibrary on Windows, dlopen, dlsym and dlclose on
// Linux.

#include <string>

namespace rk::host {

class LoadedLibrary {
public:
    explicit LoadedLibrary(const std::string& path);
    ~LoadedLibrary() { Unload(); }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    bool IsLoaded() const { return m_handle != nullptr; }
    void Unload();
    // An export's address by its exact name, or null.
    void* Export(const char* name) const;

private:
    void* m_handle = nullptr;
};

} // namespace rk::host
