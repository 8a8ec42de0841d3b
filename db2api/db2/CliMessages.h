#pragma once
// DB2's connection messages as its CLI driver words them, with the SQLCODE
// each carries: what the stand-in's CLI reports and what rkdb2 doctor tells
// people a client would show.

#include <string>

namespace rk::db2::cli {

inline constexpr const char* kDriverPrefix = "[IBM][CLI Driver] ";

inline constexpr int kSqlcodeAliasNotFound = -1013;
inline constexpr int kSqlcodeNodeNotFound = -1097;
inline constexpr int kSqlcodeHostNotFound = -1336;
inline constexpr int kSqlcodeDsnNotFound = -1531;
inline constexpr int kSqlcodeCommunicationError = -30081;
inline constexpr int kSqlcodeSecurityFailed = -30082;

// Where a secure connection's handshake fails, DB2 names this function and
// gives GSKit's code instead of the socket's.
inline constexpr const char* kTlsFunction = "sqlccSSLSocketSetup";
inline constexpr int kGskErrorIo = 406;
inline constexpr int kGskErrorBadCertificate = 414;
inline constexpr int kGskErrorSocketClosed = 420;

// `code` is "*" where the protocol gives none.
inline std::string CommunicationErrorText(const std::string& location, const std::string& function,
                                          const std::string& code)
{
    return std::string(kDriverPrefix) +
           "SQL30081N  A communication error has been detected.  Communication protocol being used: \"TCP/IP\".  "
           "Communication API being used: \"SOCKETS\".  Location where the error was detected: \"" +
           location + "\".  Communication function detecting the error: \"" + function +
           "\".  Protocol specific error code(s): \"" + code + "\", \"*\", \"*\".  SQLSTATE=08001";
}

inline std::string CommunicationErrorText(const std::string& location, const std::string& function, int code)
{
    return CommunicationErrorText(location, function, std::to_string(code));
}

inline std::string HostNotFoundText(const std::string& host)
{
    return std::string(kDriverPrefix) + "SQL1336N  The remote host \"" + host + "\" was not found.  SQLSTATE=08001";
}

inline std::string AliasNotFoundText(const std::string& alias)
{
    return std::string(kDriverPrefix) + "SQL1013N  The database alias name or database name \"" + alias +
           "\" could not be found.  SQLSTATE=42705";
}

inline std::string NodeNotFoundText()
{
    return std::string(kDriverPrefix) + "SQL1097N  The node name was not found in the node directory.  SQLSTATE=42720";
}

// A driver-only client's answer for a name neither file defines.
inline std::string DsnNotFoundText(const std::string& name)
{
    return std::string(kDriverPrefix) +
           "SQL1531N  The connection failed because the name specified with the DSN connection string keyword "
           "could not be found in either the db2dsdriver.cfg configuration file or the db2cli.ini configuration "
           "file.  Data source name specified in the connection string: \"" +
           name + "\".";
}

inline std::string SecurityFailedText()
{
    return std::string(kDriverPrefix) +
           "SQL30082N  Security processing failed with reason \"24\" (\"USERNAME AND/OR PASSWORD INVALID\").  "
           "SQLSTATE=08001";
}

} // namespace rk::db2::cli
