#include "platform/ProfileRegistry.h"

#include <windows.h>

#include "db2/Db2Profile.h"

namespace rk::platform {
namespace {

class CRkWin32ProfileRegistry final : public CRkProfileRegistry {
public:
    bool QueryValue(const char* valueName, unsigned char* buffer, std::size_t bufferSize) override
    {
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, rk::db2::profile::kGlobalProfileKey, 0, KEY_READ, &key) !=
            ERROR_SUCCESS)
            return false;
        auto size = static_cast<DWORD>(bufferSize);
        const LONG status = ::RegQueryValueExA(key, valueName, nullptr, nullptr, buffer, &size);
        ::RegCloseKey(key);
        return status == ERROR_SUCCESS;
    }
};

// At namespace scope, constant-initialized, for the reason the system's
// library loader is (DynamicLibraryWin32.cpp).
CRkWin32ProfileRegistry s_registry;

} // namespace

CRkProfileRegistry& SystemProfileRegistry() { return s_registry; }

} // namespace rk::platform
