#pragma once
// The keywords of DB2's command line and configuration files for its codes:
// TCP/IP protocols, security, authentication types and operating systems.
// Written once for the library, the stand-in and the tools.

#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "db2/Db2Api.h"
#include "db2/Db2Names.h"

namespace rk::db2::keywords {

struct CodeKeyword {
    std::uint16_t code;
    const char* keyword;
};

inline constexpr CodeKeyword kProtocols[] = {
    {protocol::kTcpip, "TCPIP"}, {protocol::kTcpip4, "TCPIP4"}, {protocol::kTcpip6, "TCPIP6"}};
inline constexpr CodeKeyword kSecurities[] = {{security::kNone, "NONE"}, {security::kSsl, "SSL"}};
// "Not specified" has no keyword: the clause is left out.
inline constexpr CodeKeyword kAuthentications[] = {
    {authentication::kServer, "SERVER"},
    {authentication::kClient, "CLIENT"},
    {authentication::kDcs, "DCS"},
    {authentication::kDce, "DCE"},
    {authentication::kServerEncrypt, "SERVER_ENCRYPT"},
    {authentication::kDcsEncrypt, "DCS_ENCRYPT"},
    {authentication::kDceServerEncrypt, "DCE_SERVER_ENCRYPT"},
    {authentication::kKerberos, "KERBEROS"},
    {authentication::kKerberosServerEncrypt, "KRB_SERVER_ENCRYPT"},
    {authentication::kGssPlugin, "GSSPLUGIN"},
    {authentication::kGssServerEncrypt, "GSS_SERVER_ENCRYPT"},
    {authentication::kDataEncrypt, "DATA_ENCRYPT"},
    {authentication::kDataEncryptCompatible, "DATA_ENCRYPT_CMP"},
    {authentication::kServerEncryptAes, "SERVER_ENCRYPT_AES"},
    {authentication::kCertificate, "CERTIFICATE"},
    {authentication::kToken, "TOKEN"},
};
// The operating systems that CATALOG ... NODE ... OSTYPE names.
inline constexpr CodeKeyword kOsTypes[] = {
    {ostype::kAix, "AIX"},
    {ostype::kNt, "WIN"},
    {ostype::kHp, "HPUX"},
    {ostype::kSun, "SUN"},
    {ostype::kZos, "OS390"},
    {ostype::kAs400, "OS400"},
    {ostype::kSiemensNixdorf, "SNI"},
    {ostype::kSco, "SCO"},
    {ostype::kLinux, "LINUX"},
    {ostype::kDynix, "DYNIX"},
};

// The keyword of `code` in `table`, or null.
template <std::size_t N>
const char* KeywordOf(const CodeKeyword (&table)[N], std::uint16_t code)
{
    for (const auto& entry : table)
        if (entry.code == code)
            return entry.keyword;
    return nullptr;
}

// The code of `keyword` (any case) in `table`, or nothing.
template <std::size_t N>
std::optional<std::uint16_t> CodeOf(const CodeKeyword (&table)[N], std::string_view keyword)
{
    for (const auto& entry : table)
        if (EqualIgnoringCase(keyword, entry.keyword))
            return entry.code;
    return std::nullopt;
}

// "SERVER, CLIENT, ...", for messages.
template <std::size_t N>
std::string KeywordList(const CodeKeyword (&table)[N])
{
    std::string list;
    for (const auto& entry : table)
        list += (list.empty() ? "" : ", ") + std::string(entry.keyword);
    return list;
}

} // namespace rk::db2::keywords
