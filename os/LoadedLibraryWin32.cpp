#include "os/LoadedLibrary.h"

#include "os/Paths.h"

#include <windows.h>

namespace rk::os {

LoadedLibrary::LoadedLibrary(const std::string& path) : m_handle(::LoadLibraryA(PlatformPath(path).c_str()))
{
    if (m_handle != nullptr)
        return;
    const DWORD code = ::GetLastError();
    char text[512] = {};
    const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                          text, sizeof text, nullptr);
    m_error = "error " + std::to_string(code);
    if (length > 0)
        m_error += ": " + std::string(text, length);
    while (!m_error.empty() && (m_error.back() == '\n' || m_error.back() == '\r' || m_error.back() == ' '))
        m_error.pop_back();
}

void LoadedLibrary::Unload()
{
    if (m_handle == nullptr)
        return;
    ::FreeLibrary(static_cast<HMODULE>(m_handle));
    m_handle = nullptr;
}

void* LoadedLibrary::Export(const char* name) const
{
    if (m_handle == nullptr)
        return nullptr;
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(m_handle), name));
}

bool CanSetLibrarySearchDirectory() { return true; }

void SetLibrarySearchDirectory(const std::string& dir) { ::SetDllDirectoryA(PlatformPath(dir).c_str()); }

std::string FindLibraryFile(const std::string& fileName)
{
    char found[MAX_PATH] = {};
    char added[MAX_PATH] = {};
    const DWORD addedLength = ::GetDllDirectoryA(sizeof added, added);
    if (addedLength > 0 &&
        addedLength<sizeof added&& ::SearchPathA(added, fileName.c_str(), nullptr, sizeof found, found, nullptr)> 0)
        return found;
    const DWORD length = ::SearchPathA(nullptr, fileName.c_str(), nullptr, sizeof found, found, nullptr);
    return length > 0 && length < sizeof found ? std::string(found) : std::string();
}

bool UnloadFinalizesInReleaseOrder() { return true; }

} // namespace rk::os
