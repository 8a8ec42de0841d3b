#include "platform/DynamicLibrary.h"

#include <dlfcn.h>

#include <cctype>
#include <string>

namespace rk::platform {
namespace {

// "sqlenops_api@12" -> "sqlenops_api"; names without a decoration stay.
std::string WithoutStdcallDecoration(const char* exportName)
{
    std::string name(exportName);
    const auto at = name.rfind('@');
    if (at == std::string::npos || at + 1 == name.size())
        return name;
    for (auto i = at + 1; i < name.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(name[i])))
            return name;
    name.erase(at);
    return name;
}

class PosixLibraryLoader final : public LibraryLoader {
public:
    LibraryHandle Load(const std::string& fileName) override
    {
        return ::dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    }

    EntryPoint Lookup(LibraryHandle library, const char* exportName) override
    {
        void* address = ::dlsym(library, WithoutStdcallDecoration(exportName).c_str());
        return reinterpret_cast<EntryPoint>(address);
    }

    void Release(LibraryHandle library) override { ::dlclose(library); }
};

} // namespace

LibraryLoader& SystemLibraryLoader()
{
    static PosixLibraryLoader loader;
    return loader;
}

} // namespace rk::platform
