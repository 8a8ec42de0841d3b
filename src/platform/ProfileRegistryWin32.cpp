#include "platform/ProfileRegistry.h"

#include <cstring>

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

std::optional<std::string> CRkProfileRegistry::Variable(const char* name)
{
    char value[1024];
    const DWORD length = ::GetEnvironmentVariableA(name, value, sizeof value);
    if (length > 0 && length < sizeof value)
        return std::string(value, length);
    unsigned char profile[sizeof value + 1] = {};
    if (!QueryValue(name, profile, sizeof value))
        return std::nullopt;
    return std::string(reinterpret_cast<const char*>(profile),
                       ::strnlen(reinterpret_cast<const char*>(profile), sizeof value));
}

CRkProfileRegistry& SystemProfileRegistry() { return s_registry; }

} // namespace rk::platform
