#include "RecordingLoader.h"

#include <new>

namespace rk::test {

void RecordingLoader::Provide(const std::string& fileName, Exports exports)
{
    m_libraries[fileName] = std::make_unique<Library>(Library{fileName, std::move(exports)});
}

void RecordingLoader::Record(std::string call)
{
    calls.push_back(std::move(call));
    if (calls.size() == throwAtCall) {
        thrown = true;
        throw std::bad_alloc();
    }
}

platform::LibraryHandle RecordingLoader::Load(const std::string& fileName)
{
    Record("load " + fileName);
    const auto it = m_libraries.find(fileName);
    return it == m_libraries.end() ? nullptr : it->second.get();
}

platform::EntryPoint RecordingLoader::Lookup(platform::LibraryHandle library, const char* exportName)
{
    Record(std::string("lookup ") + exportName);
    const auto& exports = static_cast<Library*>(library)->exports;
    const auto it = exports.find(exportName);
    return it == exports.end() ? nullptr : it->second;
}

void RecordingLoader::Release(platform::LibraryHandle library)
{
    calls.push_back("release " + static_cast<Library*>(library)->fileName);
}

} // namespace rk::test
