#include "SimTestSupport.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "TestPaths.h"
#include "db2/Db2Names.h"

namespace rk::test {
namespace {

std::string NewDirectory()
{
    const std::string path = TemporaryPath("rkdb2-simhome");
    std::filesystem::create_directories(path);
    return path;
}

} // namespace

SimLibrary::SimLibrary(const std::string& fileName) : m_library(SimDir() + "/" + fileName) { }

void* SimLibrary::Lookup(const char* exportName) const
{
    return m_library.Export(rk::db2::ExportedName(exportName).c_str());
}

SimHome::SimHome() : m_path(NewDirectory()), m_env("RKDB2_SIM_HOME", m_path) { }

SimHome::~SimHome()
{
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}

void SimHome::Write(const std::string& fileName, const std::string& text) const
{
    std::ofstream(FilePath(fileName), std::ios::binary) << text;
}

std::string SimHome::Read(const std::string& fileName) const
{
    std::ifstream file(FilePath(fileName), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool SimHome::Exists(const std::string& fileName) const { return std::filesystem::exists(FilePath(fileName)); }

std::string SimHome::Listing() const
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_path))
        names.insert(entry.path().filename().string());
    std::string listing;
    for (const auto& name : names)
        listing += (listing.empty() ? "" : " ") + name;
    return listing;
}

std::string Padded(const std::string& text, std::size_t width)
{
    std::string result = text.substr(0, width);
    result.resize(width, ' ');
    return result;
}

std::string FieldBytes(const unsigned char* record, bytes::Field field)
{
    return std::string(reinterpret_cast<const char*>(record + field.offset), field.width);
}

std::string Sqlstate(const db2::Sqlca& ca) { return FieldBytes(ca.bytes, db2::kSqlcaSqlstate); }

std::string Tokens(const db2::Sqlca& ca)
{
    const auto length = static_cast<std::size_t>(bytes::ReadI16(ca.bytes, db2::kSqlcaErrmlOffset));
    return std::string(reinterpret_cast<const char*>(ca.bytes + db2::kSqlcaErrmc.offset), length);
}

} // namespace rk::test
