#include "MachineDefaultInstance.h"

#include <windows.h>

#include "db2/Db2Profile.h"

namespace rk::test {
namespace {

using rk::db2::profile::kDefaultInstanceValue;
constexpr const char* kProfileKey = rk::db2::profile::kGlobalProfileKey;

void StoreValue(const std::string& data)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kProfileKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key, kDefaultInstanceValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()),
                     static_cast<DWORD>(data.size()));
    ::RegCloseKey(key);
}

} // namespace

void SetDefaultInstance(const std::string& value) { StoreValue(value + '\0'); }

void SetDefaultInstanceBytes(const std::string& bytes) { StoreValue(bytes); }

void RemoveDefaultInstanceValue()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProfileKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS)
        return;
    ::RegDeleteValueA(key, kDefaultInstanceValue);
    ::RegCloseKey(key);
}

void RemoveDefaultInstanceKey() { ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kProfileKey); }

} // namespace rk::test
