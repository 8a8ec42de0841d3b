#include "CatalogKeywords.h"

#include <iterator>

#include "db2/Db2Api.h"
#include "db2/Db2Names.h"
#include "rkdb2rova.h"

namespace rkdb2 {
namespace {

struct CodeKeyword {
    std::uint16_t code;
    const char* keyword;
};

constexpr CodeKeyword kProtocols[] = {
    {RKDB2_PROTOCOL_TCPIP, "TCPIP"}, {RKDB2_PROTOCOL_TCPIP4, "TCPIP4"}, {RKDB2_PROTOCOL_TCPIP6, "TCPIP6"}};
constexpr CodeKeyword kSecurities[] = {{RKDB2_SECURITY_NONE, "NONE"}, {RKDB2_SECURITY_SSL, "SSL"}};
// "Not specified" has none: the clause is left out.
constexpr CodeKeyword kAuthentications[] = {
    {RKDB2_AUTHENTICATION_SERVER, "SERVER"},
    {RKDB2_AUTHENTICATION_CLIENT, "CLIENT"},
    {RKDB2_AUTHENTICATION_DCS, "DCS"},
    {RKDB2_AUTHENTICATION_DCE, "DCE"},
    {RKDB2_AUTHENTICATION_SERVER_ENCRYPT, "SERVER_ENCRYPT"},
    {RKDB2_AUTHENTICATION_DCS_ENCRYPT, "DCS_ENCRYPT"},
    {RKDB2_AUTHENTICATION_DCE_SERVER_ENCRYPT, "DCE_SERVER_ENCRYPT"},
    {RKDB2_AUTHENTICATION_KERBEROS, "KERBEROS"},
    {RKDB2_AUTHENTICATION_KRB_SERVER_ENCRYPT, "KRB_SERVER_ENCRYPT"},
    {RKDB2_AUTHENTICATION_GSSPLUGIN, "GSSPLUGIN"},
    {RKDB2_AUTHENTICATION_GSS_SERVER_ENCRYPT, "GSS_SERVER_ENCRYPT"},
    {RKDB2_AUTHENTICATION_DATA_ENCRYPT, "DATA_ENCRYPT"},
    {RKDB2_AUTHENTICATION_DATA_ENCRYPT_CMP, "DATA_ENCRYPT_CMP"},
    {RKDB2_AUTHENTICATION_SERVER_ENCRYPT_AES, "SERVER_ENCRYPT_AES"},
    {RKDB2_AUTHENTICATION_CERTIFICATE, "CERTIFICATE"},
    {RKDB2_AUTHENTICATION_TOKEN, "TOKEN"},
};
// The operating systems that CATALOG ... NODE ... OSTYPE names.
constexpr CodeKeyword kOsTypes[] = {
    {rk::db2::ostype::kAix, "AIX"},
    {rk::db2::ostype::kNt, "WIN"},
    {rk::db2::ostype::kHp, "HPUX"},
    {rk::db2::ostype::kSun, "SUN"},
    {rk::db2::ostype::kZos, "OS390"},
    {rk::db2::ostype::kAs400, "OS400"},
    {rk::db2::ostype::kSiemensNixdorf, "SNI"},
    {rk::db2::ostype::kSco, "SCO"},
    {rk::db2::ostype::kLinux, "LINUX"},
    {rk::db2::ostype::kDynix, "DYNIX"},
};

struct Table {
    const CodeKeyword* begin;
    const CodeKeyword* end;
};

Table TableOf(Keywords table)
{
    switch (table) {
    case Keywords::kProtocol: return {std::begin(kProtocols), std::end(kProtocols)};
    case Keywords::kSecurity: return {std::begin(kSecurities), std::end(kSecurities)};
    case Keywords::kAuthentication: return {std::begin(kAuthentications), std::end(kAuthentications)};
    case Keywords::kOsType: break;
    }
    return {std::begin(kOsTypes), std::end(kOsTypes)};
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
