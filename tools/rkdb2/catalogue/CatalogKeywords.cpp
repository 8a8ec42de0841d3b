#include "CatalogKeywords.h"

#include <iterator>

#include "db2/Db2Keywords.h"

namespace rkdb2 {
namespace {

using rk::db2::keywords::CodeKeyword;

struct Table {
    const CodeKeyword* begin;
    const CodeKeyword* end;
};

Table TableOf(Keywords table)
{
    namespace k = rk::db2::keywords;
    switch (table) {
    case Keywords::kProtocol: return {std::begin(k::kProtocols), std::end(k::kProtocols)};
    case Keywords::kSecurity: return {std::begin(k::kSecurities), std::end(k::kSecurities)};
    case Keywords::kAuthentication: return {std::begin(k::kAuthentications), std::end(k::kAuthentications)};
    case Keywords::kOsType: break;
    }
    return {std::begin(k::kOsTypes), std::end(k::kOsTypes)};
}

} // namespace

const char* KeywordOf(Keywords table, std::uint16_t code)
{
    const Table entries = TableOf(table);
    for (const CodeKeyword* entry = entries.begin; entry != entries.end; ++entry)
        if (entry->code == code)
            return entry->keyword;
    return nullptr;
}

std::optional<std::uint16_t> CodeOf(Keywords table, const std::string& keyword)
{
    const Table entries = TableOf(table);
    for (const CodeKeyword* entry = entries.begin; entry != entries.end; ++entry)
        if (rk::db2::EqualIgnoringCase(keyword, entry->keyword))
            return entry->code;
    return std::nullopt;
}

std::string KeywordList(Keywords table)
{
    const Table entries = TableOf(table);
    std::string list;
    for (const CodeKeyword* entry = entries.begin; entry != entries.end; ++entry)
        list += (list.empty() ? "" : ", ") + std::string(entry->keyword);
    return list;
}

} // namespace rkdb2
