#pragma once
// Our own declarations of the DB2 client's published interface: the record
// layouts as offsets, and the entry points as function-pointer types. The
// library and the stand-in client both use them.

#include <cstddef>
#include <cstdint>

#include "db2/ByteLayout.h"

// RK_DB2_CALL, the calling convention of DB2's entry points (__stdcall on
// Windows), comes from the build: the target rk_db2_api defines it.
#ifndef RK_DB2_CALL
#error "RK_DB2_CALL is defined by the build (link rk_db2_api)"
#endif

namespace rk::db2 {

using bytes::Field;

// --- sqlca: the SQL communication area every administrative call fills ----
inline constexpr std::size_t kSqlcaSize = 136;
inline constexpr std::size_t kSqlcaSqlcodeOffset = 12;
inline constexpr Field kSqlcaSqlstate{131, 5};
static_assert(kSqlcaSqlstate.End() == kSqlcaSize, "sqlstate closes the sqlca");

// Raw bytes; fields are read and written by offset.
struct Sqlca {
    unsigned char bytes[kSqlcaSize];
};
static_assert(sizeof(Sqlca) == kSqlcaSize, "sqlca is 136 bytes");

// The other sqlca fields, for code that fills a whole sqlca.
inline constexpr Field kSqlcaId{0, 8};
inline constexpr std::size_t kSqlcaBcOffset = 8;
inline constexpr std::size_t kSqlcaErrmlOffset = 16;
inline constexpr Field kSqlcaErrmc{18, 70};
inline constexpr Field kSqlcaErrp{88, 8};
inline constexpr Field kSqlcaErrd{96, 24};
inline constexpr Field kSqlcaWarn{120, 11};
inline constexpr unsigned char kSqlcaTokenSeparator = 0xFF;
static_assert(kSqlcaErrmlOffset + 2 == kSqlcaErrmc.offset && kSqlcaErrmc.End() == kSqlcaErrp.offset, "sqlca tokens");
static_assert(kSqlcaErrp.End() == kSqlcaErrd.offset && kSqlcaErrd.End() == kSqlcaWarn.offset, "sqlca middle fields");
static_assert(kSqlcaWarn.End() == kSqlcaSqlstate.offset, "sqlwarn precedes sqlstate");

inline std::int32_t Sqlcode(const Sqlca& ca) { return bytes::ReadI32(ca.bytes, kSqlcaSqlcodeOffset); }
inline void SetSqlcode(Sqlca& ca, std::int32_t code) { bytes::WriteI32(ca.bytes, kSqlcaSqlcodeOffset, code); }

// --- node protocols and security, as sqle_node_struct and sqleninfo carry them
namespace protocol {
inline constexpr unsigned char kTcpip = 3; // IPv4 or IPv6, as the host name resolves
inline constexpr unsigned char kTcpip4 = 9;
inline constexpr unsigned char kTcpip6 = 10;
// sqlectnd_api takes a TCP/IP node secured with SSL as one of these protocols.
inline constexpr unsigned char kSsl = 12;
inline constexpr unsigned char kSsl4 = 13;
inline constexpr unsigned char kSsl6 = 14;
} // namespace protocol
// sqleninfo security_type of a TCP/IP node.
namespace security {
inline constexpr std::uint16_t kNone = 0;
inline constexpr std::uint16_t kSocks = 1;
inline constexpr std::uint16_t kSsl = 2;
} // namespace security

// --- sqleninfo: one node directory entry, 590 bytes ------------------------
namespace nodeinfo {
inline constexpr std::size_t kSize = 590;
inline constexpr Field kNodeName{0, 8};
inline constexpr Field kHostName{86, 255};
inline constexpr Field kServiceName{341, 14};
inline constexpr Field kInstanceName{451, 8};
inline constexpr Field kRemoteInstanceName{495, 8};
inline constexpr Field kCatalogNodeType{503, 1};
inline constexpr std::size_t kOsTypeOffset = 504;
inline constexpr Field kComment{32, 30};
inline constexpr Field kProtocol{74, 1};
// The remaining sqleninfo fields, none of which a TCP/IP node uses.
inline constexpr Field kLocalLu{8, 8};
inline constexpr Field kPartnerLu{16, 8};
inline constexpr Field kMode{24, 8};
inline constexpr std::size_t kCommentCodepageOffset = 62;
inline constexpr std::size_t kAdapterOffset = 64;
inline constexpr Field kNetworkId{66, 8};
inline constexpr Field kSymDestName{75, 8};
inline constexpr std::size_t kSecurityTypeOffset = 84;
inline constexpr Field kFileServer{355, 48};
inline constexpr Field kObjectName{403, 48};
inline constexpr Field kComputerName{459, 15};
inline constexpr Field kSystemName{474, 21};
inline constexpr Field kChangePasswordLu{506, 8};
inline constexpr Field kTransactionProgram{514, 64};
inline constexpr Field kLanAddress{578, 12};
inline constexpr unsigned char kProtocolTcpip = protocol::kTcpip;
static_assert(kMode.End() == kComment.offset && kComment.End() == kCommentCodepageOffset, "sqleninfo head");
static_assert(kNetworkId.End() == kProtocol.offset && kSymDestName.End() + 1 == kSecurityTypeOffset,
              "one filler byte before security_type");
static_assert(kServiceName.End() == kFileServer.offset && kObjectName.End() == kInstanceName.offset, "sqleninfo");
static_assert(kComputerName.End() == kSystemName.offset && kSystemName.End() == kRemoteInstanceName.offset,
              "sqleninfo");
static_assert(kTransactionProgram.End() == kLanAddress.offset && kLanAddress.End() == kSize, "sqleninfo tail");
static_assert(kHostName.End() == kServiceName.offset, "sqleninfo hostname is followed by service_name");
static_assert(kRemoteInstanceName.End() + 1 == kOsTypeOffset, "catalog_node_type sits before os_type");
static_assert(kOsTypeOffset + 2 + 8 + 64 + 12 == kSize, "chgpwd_lu, transpn and lanaddr close sqleninfo");
} // namespace nodeinfo

// --- sqledinfo (basic) and db2DbDirInfo (extended): one database entry ---
namespace dbinfo {
inline constexpr std::size_t kBasicSize = 1384;
inline constexpr std::size_t kExtendedSize = 1654;
inline constexpr Field kAlias{0, 8};
inline constexpr Field kDatabaseName{8, 8};
inline constexpr Field kDrive{16, 12};
inline constexpr Field kInternalName{28, 8};
inline constexpr Field kNodeName{36, 8};
inline constexpr Field kDatabaseType{44, 20};
inline constexpr Field kComment{64, 30};
inline constexpr std::size_t kCommentCodepageOffset = 94;
inline constexpr std::size_t kEntryTypeOffset = 96;
inline constexpr std::size_t kAuthenticationOffset = 98;
inline constexpr Field kGlobalDatabaseName{100, 255};
inline constexpr Field kDcePrincipal{355, 1024};
inline constexpr std::size_t kCatalogNodeNumberOffset = 1380;
inline constexpr std::size_t kNodeNumberOffset = 1382;
inline constexpr Field kAltHostName{1384, 255};
inline constexpr Field kAltPortNumber{1639, 14};
static_assert(kComment.End() == kCommentCodepageOffset, "com_codepage follows the comment");
static_assert(kDcePrincipal.End() + 1 == kCatalogNodeNumberOffset, "cat_nodenum follows dceprincipal");
static_assert(kNodeNumberOffset + 2 == kBasicSize, "nodenum closes sqledinfo");
static_assert(kAltHostName.offset == kBasicSize, "the extended fields follow the basic record");
static_assert(kAltPortNumber.End() + 1 == kExtendedSize, "db2DbDirInfo ends one filler byte after altportnumber");
} // namespace dbinfo

// Operating systems of a node (sqleninfo os_type), DB2's platform codes.
namespace ostype {
inline constexpr std::uint16_t kUnknown = 0;
inline constexpr std::uint16_t kOs2 = 1;
inline constexpr std::uint16_t kWindows = 3;
inline constexpr std::uint16_t kAix = 4;
inline constexpr std::uint16_t kNt = 5;
inline constexpr std::uint16_t kHp = 6;
inline constexpr std::uint16_t kSun = 7;
inline constexpr std::uint16_t kZos = 8;
inline constexpr std::uint16_t kSiemensNixdorf = 13;
inline constexpr std::uint16_t kWindows95 = 15;
inline constexpr std::uint16_t kSco = 16;
inline constexpr std::uint16_t kLinux = 18;
inline constexpr std::uint16_t kDynix = 19;
inline constexpr std::uint16_t kLinux390 = 24;
inline constexpr std::uint16_t kLinuxZ64 = 25;
inline constexpr std::uint16_t kLinuxIa64 = 26;
inline constexpr std::uint16_t kLinuxPpc = 27;
inline constexpr std::uint16_t kLinuxPpc64 = 28;
inline constexpr std::uint16_t kLinuxX8664 = 29;
inline constexpr std::uint16_t kHpPa64 = 30;
inline constexpr std::uint16_t kHpIa = 31;
inline constexpr std::uint16_t kHpIa64 = 32;
inline constexpr std::uint16_t kAs400 = 400;
} // namespace ostype

// Entry types of a database directory entry: character digits.
inline constexpr unsigned char kEntryTypeIndirect = '0';
inline constexpr unsigned char kEntryTypeRemote = '1';
inline constexpr unsigned char kEntryTypeDce = '3';
// Authentication of a database entry (sqlecadb_api, sqledinfo).
namespace authentication {
inline constexpr std::uint16_t kServer = 0;
inline constexpr std::uint16_t kClient = 1;
inline constexpr std::uint16_t kDcs = 2;
inline constexpr std::uint16_t kDce = 3;
inline constexpr std::uint16_t kServerEncrypt = 4;
inline constexpr std::uint16_t kDcsEncrypt = 5;
inline constexpr std::uint16_t kDceServerEncrypt = 6;
inline constexpr std::uint16_t kKerberos = 7;
inline constexpr std::uint16_t kKerberosServerEncrypt = 8;
inline constexpr std::uint16_t kGssPlugin = 9;
inline constexpr std::uint16_t kGssServerEncrypt = 10;
inline constexpr std::uint16_t kDataEncrypt = 11;
inline constexpr std::uint16_t kDataEncryptCompatible = 12;
inline constexpr std::uint16_t kServerEncryptAes = 13;
inline constexpr std::uint16_t kCertificate = 14;
inline constexpr std::uint16_t kToken = 15;
inline constexpr std::uint16_t kNotSpecified = 255;
} // namespace authentication
inline constexpr unsigned short kAuthenticationNotSpecified = authentication::kNotSpecified;
// sqlecadb_api's target principal (Kerberos) has at most this many bytes.
inline constexpr std::size_t kMaxPrincipalLength = 1024;

// --- sqle_node_struct and sqle_node_tcpip: written for sqlectnd_api ------
namespace nodestruct {
inline constexpr std::size_t kSize = 46;
inline constexpr std::size_t kStructIdOffset = 0;
inline constexpr std::size_t kCodepageOffset = 2;
inline constexpr Field kComment{4, 31};
inline constexpr Field kNodeName{35, 9};
inline constexpr std::size_t kProtocolOffset = 44;
inline constexpr std::size_t kFillerOffset = 45;
inline constexpr std::uint16_t kStructId = 0x0200;
inline constexpr unsigned char kProtocolTcpip = protocol::kTcpip;
static_assert(kStructIdOffset + 2 == kCodepageOffset && kCodepageOffset + 2 == kComment.offset,
              "sqle_node_struct head");
static_assert(kComment.End() == kNodeName.offset && kNodeName.End() == kProtocolOffset, "sqle_node_struct");
static_assert(kProtocolOffset + 1 == kFillerOffset && kFillerOffset + 1 == kSize, "one filler byte closes it");
} // namespace nodestruct

namespace tcpip {
inline constexpr std::size_t kSize = 271;
inline constexpr Field kHostName{0, 256};
inline constexpr Field kServiceName{256, 15};
static_assert(kHostName.End() == kServiceName.offset && kServiceName.End() == kSize, "sqle_node_tcpip");
} // namespace tcpip

// --- newer directory interface (db2DbDir*), version 8020000 -------------
// These parameter records hold pointers, so they are plain C structs of
// DB2's members in DB2's order with natural alignment.
inline constexpr std::uint32_t kDbDirVersion = 8020000;

// db2UpdateAlternateServerForDB's parameters (db2ApiDf.h): the alias and the
// alternate server's host and port as text; null host and port clear it.
struct AltServerParams {
    char* piDbAlias;
    char* piHostName;
    char* piPort;
};
static_assert(sizeof(AltServerParams) == 3 * sizeof(void*), "db2UpdateAltServerStruct: three pointers");
static_assert(offsetof(AltServerParams, piHostName) == sizeof(void*) &&
                  offsetof(AltServerParams, piPort) == 2 * sizeof(void*),
              "db2UpdateAltServerStruct");

struct DbDirOpenScanParams {
    char* piPath;
    std::uint16_t oHandle;
    std::uint16_t oNumEntries;
};
struct DbDirNextEntryParams {
    std::uint16_t iHandle;
    unsigned char* poDbDirEntry;
};
struct DbDirCloseScanParams {
    std::uint16_t iHandle;
};
// DB2's layouts of these records in its 32-bit and its 64-bit headers; the
// structs above must match the one of the architecture being built.
struct DbDirLayout {
    std::size_t openScanSize, openHandleOffset, openCountOffset;
    std::size_t nextEntrySize, nextEntryPointerOffset;
    std::size_t closeScanSize;
};
inline constexpr DbDirLayout kDbDirLayout32{8, 4, 6, 8, 4, 2};
inline constexpr DbDirLayout kDbDirLayout64{16, 8, 10, 16, 8, 2};
inline constexpr DbDirLayout kDbDirLayout = sizeof(void*) == 8 ? kDbDirLayout64 : kDbDirLayout32;
static_assert(sizeof(void*) == 4 || sizeof(void*) == 8, "DB2 has 32-bit and 64-bit layouts only");
static_assert(sizeof(DbDirOpenScanParams) == kDbDirLayout.openScanSize, "db2DbDirOpenScanStruct");
static_assert(offsetof(DbDirOpenScanParams, piPath) == 0, "db2DbDirOpenScanStruct");
static_assert(offsetof(DbDirOpenScanParams, oHandle) == kDbDirLayout.openHandleOffset, "db2DbDirOpenScanStruct");
static_assert(offsetof(DbDirOpenScanParams, oNumEntries) == kDbDirLayout.openCountOffset, "db2DbDirOpenScanStruct");
static_assert(sizeof(DbDirNextEntryParams) == kDbDirLayout.nextEntrySize, "db2DbDirNextEntryStruct");
static_assert(offsetof(DbDirNextEntryParams, iHandle) == 0, "db2DbDirNextEntryStruct");
static_assert(offsetof(DbDirNextEntryParams, poDbDirEntry) == kDbDirLayout.nextEntryPointerOffset,
              "db2DbDirNextEntryStruct");
static_assert(sizeof(DbDirCloseScanParams) == kDbDirLayout.closeScanSize, "db2DbDirCloseScanStruct");

// --- SQLCODEs the library and the stand-in share ---------------------------
inline constexpr std::int32_t kSqlNodeDirectoryEmpty = 1037;
inline constexpr std::int32_t kSqlNodeDirectoryNotFound = -1027;
inline constexpr std::int32_t kSqlSystemDirectoryEmpty = 1057;
inline constexpr std::int32_t kSqlDatabaseDirectoryNotFound = -1031;
inline constexpr std::int32_t kSqlNoMoreEntries = 1014;
// Eight scans of a directory are open already in this process.
inline constexpr std::int32_t kSqlNodeScansExhausted = -1095;
inline constexpr std::int32_t kSqlDatabaseScansExhausted = -1056;
inline constexpr std::int32_t kSqlNodeNotCatalogued = 1100;
inline constexpr std::int32_t kSqlInvalidAlias = -1000;
inline constexpr std::int32_t kSqlInvalidDatabaseName = -1001;
inline constexpr std::int32_t kSqlAliasExists = -1005;
inline constexpr std::int32_t kSqlAliasNotFound = -1013;
inline constexpr std::int32_t kSqlNodeExists = -1018;
inline constexpr std::int32_t kSqlInvalidNodeName = -1019;
inline constexpr std::int32_t kSqlNodeNotFound = -1021;
inline constexpr std::int32_t kSqlInvalidHostName = -1332;
inline constexpr std::int32_t kSqlInvalidServiceName = -1333;
inline constexpr std::int32_t kSqlInvalidProtocol = -1123;
inline constexpr std::int32_t kSqlAuthenticationNotSupported = -1400;
// db2UpdateAlternateServerForDB on a client instance: ignored, a warning.
inline constexpr std::int32_t kSqlAltServerIgnoredOnClient = 1889;

// Results of the message functions (sqlaintp_api, sqlogstt).
inline constexpr int kMsgNoError = -2;     // sqlaintp_api: SQLCODE 0
inline constexpr int kMsgBadSqlstate = -2; // sqlogstt: not 2 or 5 alphanumeric characters
inline constexpr int kMsgFileError = -3;
inline constexpr int kMsgBadLineWidth = -4;
inline constexpr int kMsgBadArgument = -5;

// --- entry points of db2app.dll -------------------------------------------
using DbDirFn = int(RK_DB2_CALL*)(std::uint32_t version, void* params, Sqlca* ca);
using SqlenopsFn = int(RK_DB2_CALL*)(unsigned short* handle, unsigned short* count, Sqlca* ca);
using SqlengneFn = int(RK_DB2_CALL*)(unsigned short handle, unsigned char** record, Sqlca* ca);
using SqlenclsFn = int(RK_DB2_CALL*)(unsigned short handle, Sqlca* ca);
using SqledosdFn = int(RK_DB2_CALL*)(char* path, unsigned short* handle, unsigned short* count, Sqlca* ca);
using SqledgneFn = int(RK_DB2_CALL*)(unsigned short handle, unsigned char** record, Sqlca* ca);
using SqledclsFn = int(RK_DB2_CALL*)(unsigned short handle, Sqlca* ca);
using SqlectndFn = int(RK_DB2_CALL*)(unsigned char* node, unsigned char* protocol, Sqlca* ca);
using SqlecadbFn = int(RK_DB2_CALL*)(char* databaseName, char* alias, unsigned char entryType, char* nodeName,
                                     char* path, char* comment, unsigned short authentication, char* principal,
                                     Sqlca* ca);
using SqleuncdFn = int(RK_DB2_CALL*)(char* alias, Sqlca* ca);
using SqleuncnFn = int(RK_DB2_CALL*)(char* nodeName, Sqlca* ca);
using AltServerFn = int(RK_DB2_CALL*)(std::uint32_t version, void* params, Sqlca* ca);

// --- entry points of db2sys.dll -------------------------------------------
using SqlaintpFn = int(RK_DB2_CALL*)(char* buffer, short bufferSize, short lineWidth, const char* messageFile,
                                     Sqlca* ca);
using SqlogsttFn = int(RK_DB2_CALL*)(char* buffer, short bufferSize, short lineWidth, char* sqlstate);

// --- entry points of db2cli.dll (ODBC-compatible) -----------------------
using CliHandle = void*;
using CliReturn = short;
using CliInteger = std::int32_t;
inline constexpr CliReturn kCliSuccess = 0;
inline constexpr CliReturn kCliSuccessWithInfo = 1;
inline constexpr CliReturn kCliNoData = 100;
inline constexpr CliReturn kCliError = -1;
inline constexpr CliReturn kCliInvalidHandle = -2;
inline constexpr short kCliHandleEnv = 1;
inline constexpr short kCliHandleDbc = 2;
inline constexpr short kCliNts = -3;
inline constexpr unsigned short kCliDbmsName = 17;
// Buffers of the connection test: the DBMS name of SQLGetInfo, and the
// SQLSTATE (five characters and a terminator) and message text (at most
// 1,024 characters and a terminator) of SQLGetDiagRec.
inline constexpr short kCliDbmsNameBufferLength = 255;
inline constexpr std::size_t kCliSqlstateBufferSize = 6;
inline constexpr short kCliMessageTextBufferLength = 1025;

using SQLAllocHandleFn = CliReturn(RK_DB2_CALL*)(short handleType, CliHandle input, CliHandle* output);
using SQLFreeHandleFn = CliReturn(RK_DB2_CALL*)(short handleType, CliHandle handle);
using SQLConnectFn = CliReturn(RK_DB2_CALL*)(CliHandle dbc, unsigned char* dataSource, short dataSourceLength,
                                             unsigned char* user, short userLength, unsigned char* password,
                                             short passwordLength);
using SQLDisconnectFn = CliReturn(RK_DB2_CALL*)(CliHandle dbc);
using SQLGetInfoFn = CliReturn(RK_DB2_CALL*)(CliHandle dbc, unsigned short infoType, void* value, short bufferLength,
                                             short* stringLength);
using SQLGetDiagRecFn = CliReturn(RK_DB2_CALL*)(short handleType, CliHandle handle, short recordNumber,
                                                unsigned char* sqlstate, CliInteger* nativeError,
                                                unsigned char* messageText, short bufferLength, short* textLength);

} // namespace rk::db2
