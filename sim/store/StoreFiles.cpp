#include "StoreFiles.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace rk::sim::store {

bool FileExists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    if (!FileExists(path))
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool EnsureDirectory(const std::string& path)
{
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

} // namespace rk::sim::store
