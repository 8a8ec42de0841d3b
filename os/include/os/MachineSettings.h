#pragma once
// Machine-wide settings as programs read them: the registry on Windows, the
// environment elsewhere, where there is no registry.

#include <cstddef>
#include <optional>
#include <string>

namespace rk::os {

// On Windows the value `name` of the key `key` below HKEY_LOCAL_MACHINE, in
// the registry view of the process's bitness: data of any type, at most
// `maxBytes` bytes of it, up to its first NUL. Elsewhere the environment
// variable `name`. Nothing when absent.
std::optional<std::string> ReadMachineSetting(const char* key, const char* name, std::size_t maxBytes);

} // namespace rk::os
