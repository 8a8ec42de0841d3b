#include "os/Modules.h"

#include <vector>

#include <windows.h>

namespace rk::os {

std::string LoadedLibraryPath(const std::string& fileName)
{
    const HMODULE module = ::GetModuleHandleA(fileName.c_str());
    if (module == nullptr)
        return std::string();
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    return std::string(path, length);
}

std::string FileVersion(const std::string& path)
{
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0)
        return std::string();
    std::vector<char> data(size);
    if (!::GetFileVersionInfoA(path.c_str(), 0, size, data.data()))
        return std::string();
    void* block = nullptr;
    UINT blockSize = 0;
    if (!::VerQueryValueA(data.data(), "\\", &block, &blockSize) || blockSize < sizeof(VS_FIXEDFILEINFO))
        return std::string();
    const auto& info = *static_cast<const VS_FIXEDFILEINFO*>(block);
    return std::to_string(HIWORD(info.dwFileVersionMS)) + "." + std::to_string(LOWORD(info.dwFileVersionMS)) + "." +
           std::to_string(HIWORD(info.dwFileVersionLS)) + "." + std::to_string(LOWORD(info.dwFileVersionLS));
}

bool HasVersionResources() { return true; }

} // namespace rk::os
