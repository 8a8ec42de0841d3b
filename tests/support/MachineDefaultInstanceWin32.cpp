#include "MachineDefaultInstance.h"

#include <windows.h>

namespace rk::test {
namespace {

constexpr const char* kProfileKey = "SOFTWARE\\IBM\\DB2\\GLOBAL_PROFILE";

void StoreValue(const std::string& data)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kProfileKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key, "DB2INSTDEF", 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()),
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
    ::RegDeleteValueA(key, "DB2INSTDEF");
    ::RegCloseKey(key);
}

void RemoveDefaultInstanceKey() { ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kProfileKey); }

} // namespace rk::test
