#include "RecordingLoader.h"

namespace rk::test {

void RecordingLoader::Provide(const std::string& fileName, Exports exports)
{
    m_libraries[fileName] = std::make_unique<Library>(Library{fileName, std::move(exports)});
}

platform::LibraryHandle RecordingLoader::Load(const std::string& fileName)
{
    calls.push_back("load " + fileName);
    const auto it = m_libraries.find(fileName);
    return it == m_libraries.end() ? nullptr : it->second.get();
}

platform::EntryPoint RecordingLoader::Lookup(platform::LibraryHandle library, const char* exportName)
{
    calls.push_back(std::string("lookup ") + exportName);
    const auto& exports = static_cast<Library*>(library)->exports;
    const auto it = exports.find(exportName);
    return it == exports.end() ? nullptr : it->second;
}

void RecordingLoader::Release(platform::LibraryHandle library)
{
    calls.push_back("release " + static_cast<Library*>(library)->fileName);
}

} // namespace rk::test
