#pragma once
// A platform loader for in-process tests: it "loads" libraries that the
// test provides as tables of functions, and records every load, lookup and
// release in order ("load db2app.dll", "lookup sqlenops_api@12",
// "release db2app.dll").

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/DynamicLibrary.h"

namespace rk::test {

class RecordingLoader final : public platform::CRkLibraryLoader {
public:
    using Exports = std::map<std::string, platform::EntryPoint>;

    // Makes `fileName` loadable, exporting exactly `exports`.
    void Provide(const std::string& fileName, Exports exports);

    platform::LibraryHandle Load(const std::string& fileName) override;
    platform::EntryPoint Lookup(platform::LibraryHandle library, const char* exportName) override;
    void Release(platform::LibraryHandle library) override;

    std::vector<std::string> calls;
    // The Nth load or lookup (counting from 1) throws std::bad_alloc; 0
    // throws none. `thrown` tells whether it was reached.
    std::size_t throwAtCall = 0;
    bool thrown = false;

private:
    void Record(std::string call);

    struct Library {
        std::string fileName;
        Exports exports;
    };
    std::map<std::string, std::unique_ptr<Library>> m_libraries;
};

// Any function as a generic entry point (the type is restored at lookup).
template <typename Fn>
platform::EntryPoint Entry(Fn function)
{
    return reinterpret_cast<platform::EntryPoint>(reinterpret_cast<void (*)(void)>(function));
}

} // namespace rk::test
