#include "DataSourceListing.h"

#include <sstream>

#include "CatalogKeywords.h"

namespace rkdb2 {
namespace {

// The faults of the files are one per line; several files of many lines
// are within this.
constexpr int kErrorSize = 64 * 1024;

std::string ErrorText(rk::host::HostLibrary& library, RkDataSourceList* list)
{
    std::string text(kErrorSize, '\0');
    library.RkDataSourceListGetError(list, &text[0], kErrorSize);
    text.resize(text.find('\0'));
    return text;
}

} // namespace

bool ListDataSources(rk::host::HostLibrary& library, DataSourceListing& listing, std::string& error)
{
    RkDataSourceList* list = library.RkDataSourceListNew();
    if (list == nullptr) {
        error = "the library has no memory for a data-source list";
        return false;
    }
    RkDataSourceEntry* entry = nullptr;
    if (library.RkDataSourceListPopulate(list, &entry) != 1) {
        error = ErrorText(library, list);
        return false;
    }
    for (; entry != nullptr; entry = library.RkDataSourceListNext(list)) {
        RkDataSourceRecord record{};
        record.size = sizeof record;
        if (library.RkGetDataSourceRecord(entry, &record) == 1)
            listing.sources.push_back(record);
    }
    std::istringstream problems(ErrorText(library, list));
    for (std::string line; std::getline(problems, line);)
        if (!line.empty())
            listing.problems.push_back(line);
    listing.files.size = sizeof listing.files;
    library.RkDataSourceListGetFiles(list, &listing.files);
    return true;
}

const char* SourceText(unsigned short source)
{
    switch (source) {
    case RKDB2_SOURCE_DIRECTORY: return "directory";
    case RKDB2_SOURCE_CLI_INI: return "db2cli.ini";
    default: return "db2dsdriver.cfg";
    }
}

std::string ClientKindText(unsigned short kind)
{
    return kind == RKDB2_CLIENT_FULL ? "full client (the directory, then db2cli.ini, then db2dsdriver.cfg)"
                                     : "data server driver (db2cli.ini, then db2dsdriver.cfg; no directory)";
}

std::string PlaceText(const RkDataSourceRecord& record)
{
    if (record.source == RKDB2_SOURCE_DIRECTORY)
        return std::string();
    return std::string(record.file) + ":" + std::to_string(record.line);
}

Json DataSourceJson(const RkDataSourceRecord& record)
{
    const char* security = KeywordOf(Keywords::kSecurity, record.security);
    const char* authentication = KeywordOf(Keywords::kAuthentication, record.authentication);
    return Json{{"alias", JsonText(record.alias)},
                {"database", JsonText(record.databaseName)},
                {"host", JsonText(record.hostName)},
                {"port", JsonText(record.port)},
                {"security", security != nullptr ? Json(security) : Json(record.security)},
                {"authentication", authentication != nullptr ? Json(authentication) : Json(nullptr)},
                {"source", SourceText(record.source)},
                {"file", record.source == RKDB2_SOURCE_DIRECTORY ? Json(nullptr) : JsonText(record.file)},
                {"line", record.source == RKDB2_SOURCE_DIRECTORY ? Json(nullptr) : Json(record.line)},
                {"shadowed", record.shadowed != 0}};
}

} // namespace rkdb2
