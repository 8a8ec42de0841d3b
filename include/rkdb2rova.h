/*
 * rkdb2rova.h - the public interface of RkDb2Rova.dll.
 *
 * RkDb2Rova.dll inspects and maintains the IBM DB2 client installed on the
 * same machine: it lists the catalogued databases joined with their nodes,
 * reads one database's details, catalogs and uncatalogs a remote TCP/IP
 * database, tests a CLI connection and gives DB2's error text.
 *
 * Every export uses the __stdcall convention and is exported under its
 * undecorated name. Ordinals 1 to 8 are the original exports; version 0.2
 * adds ordinals 9 to 21. A host either links to the import library of the
 * package (RkDb2Rova.lib for MSVC, libRkDb2Rova.dll.a for mingw; the 32-bit
 * ones bind the __stdcall names _Name@N to the undecorated exports) or loads
 * the library at run time: the RKDB2_PFN_* pointer types below match the
 * exports for GetProcAddress.
 *
 * Handles: RkDatabaseList and RkDatabaseEntry are opaque. The library owns
 * them; no export releases them, and they stay valid until the library is
 * unloaded.
 */
#ifndef RKDB2ROVA_H
#define RKDB2ROVA_H

#include <stddef.h>

#if defined(_WIN32)
#define RKDB2_CALL __stdcall
#else
#define RKDB2_CALL
#endif

#ifndef RKDB2_API
#define RKDB2_API
#endif

/* The library's version, which its version resource carries too. Adding
 * to it changes no export. */
#define RKDB2ROVA_VERSION_MAJOR 0
#define RKDB2ROVA_VERSION_MINOR 2
#define RKDB2ROVA_VERSION_PATCH 0
#define RKDB2ROVA_TEXT_(x) #x
#define RKDB2ROVA_TEXT(x) RKDB2ROVA_TEXT_(x)
#define RKDB2ROVA_VERSION_STRING            \
    RKDB2ROVA_TEXT(RKDB2ROVA_VERSION_MAJOR) \
    "." RKDB2ROVA_TEXT(RKDB2ROVA_VERSION_MINOR) "." RKDB2ROVA_TEXT(RKDB2ROVA_VERSION_PATCH)

#ifdef __cplusplus
extern "C" {
#endif

typedef struct RkDatabaseList RkDatabaseList;
typedef struct RkDatabaseEntry RkDatabaseEntry;

/* Size of the DBMS-name field that RkConnect fills: 8 bytes, not terminated
 * when the name has eight characters or more. */
#define RKDB2_DBMS_NAME_SIZE 8

/* The largest message RkConnect writes, terminator included. A host passes
 * a message buffer of at least this many bytes. */
#define RKDB2_CONNECT_MESSAGE_MAX 32767

/* CatalogDatabase names the node it catalogs after the first
 * RKDB2_NODE_NAME_LENGTH characters of the host name, and gives it the
 * service RKDB2_NODE_SERVICE (DB2's default port). */
#define RKDB2_NODE_NAME_LENGTH 8
#define RKDB2_NODE_SERVICE "50000"

/* DatabaseDetails: the 1755-byte record GetDatabaseDetails writes. Fifteen
 * consecutive text slots, each holding its text followed by a NUL; bytes
 * behind a slot's NUL are left as they were. */
#define RKDB2_DETAILS_SIZE 1755

#define RKDB2_DETAILS_DATABASE_NAME_OFFSET 0
#define RKDB2_DETAILS_HOST_NAME_OFFSET 50
#define RKDB2_DETAILS_SERVICE_NAME_OFFSET 305
#define RKDB2_DETAILS_INSTANCE_NAME_OFFSET 355
#define RKDB2_DETAILS_ALIAS_OFFSET 405
#define RKDB2_DETAILS_DRIVE_PATH_OFFSET 455
#define RKDB2_DETAILS_INTERNAL_NAME_OFFSET 485
#define RKDB2_DETAILS_NODE_NAME_OFFSET 535
#define RKDB2_DETAILS_DATABASE_TYPE_OFFSET 585
#define RKDB2_DETAILS_COMMENT_OFFSET 840
#define RKDB2_DETAILS_ENTRY_TYPE_OFFSET 1095
#define RKDB2_DETAILS_AUTHENTICATION_OFFSET 1145
#define RKDB2_DETAILS_ALT_HOST_NAME_OFFSET 1400
#define RKDB2_DETAILS_ALT_PORT_NUMBER_OFFSET 1655
#define RKDB2_DETAILS_PLATFORM_OFFSET 1705

typedef struct DatabaseDetails {
    char databaseName[50];
    char hostName[255];
    char serviceName[50];
    char instanceName[50];
    char alias[50];
    char drivePath[30];
    char internalName[50];
    char nodeName[50];
    char databaseType[255];
    char comment[255];
    char entryType[50];
    char authentication[255];
    char altHostName[255];
    char altPortNumber[50];
    char platform[50];
} DatabaseDetails;

#if defined(__cplusplus)
#define RKDB2_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define RKDB2_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

RKDB2_STATIC_ASSERT(sizeof(DatabaseDetails) == RKDB2_DETAILS_SIZE, "DatabaseDetails is 1755 bytes");

/* The fifteen slots in record order, for code that walks them:
 *   X(field, Field, offset, label)
 * `field` names the member of DatabaseDetails, `Field` is the same name
 * capitalised (for names built from it), `label` names the field for people. */
#define RKDB2_DETAILS_FIELDS(X)                                                              \
    X(databaseName, DatabaseName, RKDB2_DETAILS_DATABASE_NAME_OFFSET, "Database name")       \
    X(hostName, HostName, RKDB2_DETAILS_HOST_NAME_OFFSET, "Host name")                       \
    X(serviceName, ServiceName, RKDB2_DETAILS_SERVICE_NAME_OFFSET, "Service name")           \
    X(instanceName, InstanceName, RKDB2_DETAILS_INSTANCE_NAME_OFFSET, "Instance")            \
    X(alias, Alias, RKDB2_DETAILS_ALIAS_OFFSET, "Alias")                                     \
    X(drivePath, DrivePath, RKDB2_DETAILS_DRIVE_PATH_OFFSET, "Drive or path")                \
    X(internalName, InternalName, RKDB2_DETAILS_INTERNAL_NAME_OFFSET, "Internal name")       \
    X(nodeName, NodeName, RKDB2_DETAILS_NODE_NAME_OFFSET, "Node name")                       \
    X(databaseType, DatabaseType, RKDB2_DETAILS_DATABASE_TYPE_OFFSET, "Database type")       \
    X(comment, Comment, RKDB2_DETAILS_COMMENT_OFFSET, "Comment")                             \
    X(entryType, EntryType, RKDB2_DETAILS_ENTRY_TYPE_OFFSET, "Entry type")                   \
    X(authentication, Authentication, RKDB2_DETAILS_AUTHENTICATION_OFFSET, "Authentication") \
    X(altHostName, AltHostName, RKDB2_DETAILS_ALT_HOST_NAME_OFFSET, "Alternate host")        \
    X(altPortNumber, AltPortNumber, RKDB2_DETAILS_ALT_PORT_NUMBER_OFFSET, "Alternate port")  \
    X(platform, Platform, RKDB2_DETAILS_PLATFORM_OFFSET, "Platform")

#define RKDB2_DETAILS_CHECK_OFFSET(field, Field, offset, label) \
    RKDB2_STATIC_ASSERT(offsetof(DatabaseDetails, field) == (offset), #field " is at its offset");
RKDB2_DETAILS_FIELDS(RKDB2_DETAILS_CHECK_OFFSET)
#undef RKDB2_DETAILS_CHECK_OFFSET

/* Ordinal 1. Copies DB2's error text for the list's last DB2 call into
 * `text`, cut to fit: only the low 16 bits of `size` count, read as a
 * signed number. When the latest population failed inside the library
 * (out of memory, for one), the text is the library's own saying so, until
 * the next population. Writes nothing for a null or unknown list. */
RKDB2_API void RKDB2_CALL CRkDatabaseListGetError(RkDatabaseList* list, char* text, int size);

/* Ordinal 2. A new list handle, or null when the DB2 client (db2app.dll,
 * db2sys.dll) cannot be loaded. */
RKDB2_API RkDatabaseList* RKDB2_CALL CRkDatabaseListNew(void);

/* Ordinal 3. The entry after the current one, or null at the end. */
RKDB2_API RkDatabaseEntry* RKDB2_CALL CRkDatabaseListNext(RkDatabaseList* list);

/* Ordinal 4. Reads the node and system database directories into the list;
 * *first receives the first entry of this population, or null. 1 on
 * success, 0 on failure (see CRkDatabaseListGetError). */
RKDB2_API int RKDB2_CALL CRkDatabaseListPopulate(RkDatabaseList* list, RkDatabaseEntry** first);

/* Ordinal 5. Catalogs a TCP/IP node named after the first
 * RKDB2_NODE_NAME_LENGTH characters of `hostName`, with service
 * RKDB2_NODE_SERVICE, then the database `databaseName`
 * (also its alias) at that node. 1 on success, with the empty text in
 * `message`; 0 otherwise, with the failure's text cut to `messageSize` bytes
 * (terminator included): "Failed to load db2app.dll" (or db2sys.dll), DB2's
 * error text of the failed step, the library's own text for a refused
 * argument, or, when the library itself fails (out of memory), its own text
 * saying so and what may have been changed. A node catalogued before a
 * failed database step stays.
 * A null `message` or a `messageSize` below 1 does nothing and returns 0; a
 * null text or a host name of more than 255 characters is refused before
 * any DB2 call. DB2 refuses node names with dots or a leading digit: pass a
 * host name of at most 8 letters, digits, @, # or $ that does not start with
 * a digit (an alias in the hosts file serves). Threads may call the two
 * catalog exports at once, also while others list. */
RKDB2_API int RKDB2_CALL CatalogDatabase(const char* hostName, const char* databaseName, char* message,
                                         int messageSize);

/* Ordinal 6. Writes the entry's DatabaseDetails record (RKDB2_DETAILS_SIZE
 * bytes at `record`). Writes nothing for a null entry or record. */
RKDB2_API void RKDB2_CALL GetDatabaseDetails(RkDatabaseEntry* entry, char* record);

/* Ordinal 7. Tests a CLI connection. 1 when the connection succeeded.
 * `dbmsName` receives RKDB2_DBMS_NAME_SIZE bytes; `message` receives the
 * rendered CLI diagnostics, at most RKDB2_CONNECT_MESSAGE_MAX bytes with the
 * terminator, so pass a buffer of that size. `dataSource`, `user` and
 * `password` reach SQLConnect unchanged; a null user and password leave the
 * credentials to the data source. A null `dbmsName` or `message` refuses
 * the test: 0, and nothing is written. When db2cli.dll cannot be loaded or
 * lacks one of its CLI entry points, no test is made: 0, and neither
 * `dbmsName` nor `message` is written. */
RKDB2_API int RKDB2_CALL RkConnect(const char* dataSource, const char* user, const char* password, char* dbmsName,
                                   char* message);

/* Ordinal 8. Uncatalogs the database `alias`, then the node `nodeName`
 * (passed to DB2 whole). Results, message and refusals as for
 * CatalogDatabase; a database removed before a failed node step stays
 * removed. */
RKDB2_API int RKDB2_CALL UncatalogDatabase(const char* alias, const char* nodeName, char* message, int messageSize);

/* --- Version 0.2: the whole node directory, every option of a TCP/IP node
 * and of a database entry, alternate servers, and nodes and databases
 * uncatalogued alone. Ordinals 9 and up.
 *
 * Records that cross begin with `size`, which the caller sets to the size of
 * the record it knows (sizeof, or RKDB2_*_RECORD_SIZE): a later version
 * may append fields, and reads or writes no more than `size` bytes. Texts
 * are zero-terminated within their arrays; an array's size is DB2's limit
 * plus the terminator. The records have the same layout on 32-bit and
 * 64-bit Windows.
 *
 * Every export below with a message buffer writes it on every return with
 * the message cut to `messageSize` bytes, terminator included: the empty
 * text on success, else "Failed to load " and a file name, DB2's error text
 * of the failed call, or the library's own text naming a refused field and
 * its limit (nothing is passed to DB2 then). A null `message` or a
 * `messageSize` below 1 does nothing and returns 0. The DB2 libraries are
 * loaded on first use and kept, as for the database list. */

/* Protocols and security of a TCP/IP node, DB2's codes. */
#define RKDB2_PROTOCOL_TCPIP 3 /* IPv4 or IPv6, as the host name resolves */
#define RKDB2_PROTOCOL_TCPIP4 9
#define RKDB2_PROTOCOL_TCPIP6 10
#define RKDB2_SECURITY_NONE 0
#define RKDB2_SECURITY_SSL 2

/* Authentication types of a database entry, DB2's codes. */
#define RKDB2_AUTHENTICATION_SERVER 0
#define RKDB2_AUTHENTICATION_CLIENT 1
#define RKDB2_AUTHENTICATION_DCS 2
#define RKDB2_AUTHENTICATION_DCE 3
#define RKDB2_AUTHENTICATION_SERVER_ENCRYPT 4
#define RKDB2_AUTHENTICATION_DCS_ENCRYPT 5
#define RKDB2_AUTHENTICATION_DCE_SERVER_ENCRYPT 6
#define RKDB2_AUTHENTICATION_KERBEROS 7
#define RKDB2_AUTHENTICATION_KRB_SERVER_ENCRYPT 8
#define RKDB2_AUTHENTICATION_GSSPLUGIN 9
#define RKDB2_AUTHENTICATION_GSS_SERVER_ENCRYPT 10
#define RKDB2_AUTHENTICATION_DATA_ENCRYPT 11
#define RKDB2_AUTHENTICATION_DATA_ENCRYPT_CMP 12
#define RKDB2_AUTHENTICATION_SERVER_ENCRYPT_AES 13
#define RKDB2_AUTHENTICATION_CERTIFICATE 14
#define RKDB2_AUTHENTICATION_TOKEN 15
#define RKDB2_AUTHENTICATION_NOT_SPECIFIED 255

/* RkNodeRecord: one TCP/IP node of the node directory. RkListNodes fills
 * every field; RkCatalogNode takes all but remoteInstance, systemName and
 * osType, which DB2's node catalog API (sqlectnd) has no place for: they
 * must be empty (zero) in a request (DB2's command line sets them). */
#define RKDB2_NODE_RECORD_SIZE 352
typedef struct RkNodeRecord {
    unsigned int size;
    unsigned short protocol; /* RKDB2_PROTOCOL_* */
    unsigned short security; /* RKDB2_SECURITY_* */
    unsigned short osType;   /* DB2's code of the server's system, 0 unknown */
    char nodeName[9];
    char hostName[256];
    char serviceName[15]; /* a service name or a port number */
    char comment[31];
    char remoteInstance[9];
    char systemName[22];
} RkNodeRecord;

/* RkDatabaseRecord: one database entry. RkGetDatabaseRecord fills every
 * field of a listed entry; RkCatalogDatabaseAtNode catalogs a remote entry
 * from alias (empty: the database name), databaseName, nodeName,
 * authentication, principal (a Kerberos entry's target principal) and
 * comment, and takes entryType '1' (or 0) and empty alternate-server texts
 * (RkSetAlternateServer sets them). */
#define RKDB2_DATABASE_RECORD_SIZE 1364
typedef struct RkDatabaseRecord {
    unsigned int size;
    unsigned short authentication; /* RKDB2_AUTHENTICATION_* */
    char entryType;                /* DB2's '0' local, '1' remote, '2' home, '3' DCE, '4' LDAP */
    char reserved;                 /* zero */
    char alias[9];
    char databaseName[9];
    char nodeName[9];
    char comment[31];
    char principal[1025];
    char altHostName[256];
    char altPortNumber[15];
} RkDatabaseRecord;

RKDB2_STATIC_ASSERT(sizeof(RkNodeRecord) == RKDB2_NODE_RECORD_SIZE, "RkNodeRecord is 352 bytes");
RKDB2_STATIC_ASSERT(offsetof(RkNodeRecord, nodeName) == 10 && offsetof(RkNodeRecord, systemName) == 330,
                    "RkNodeRecord's layout");
RKDB2_STATIC_ASSERT(sizeof(RkDatabaseRecord) == RKDB2_DATABASE_RECORD_SIZE, "RkDatabaseRecord is 1364 bytes");
RKDB2_STATIC_ASSERT(offsetof(RkDatabaseRecord, alias) == 8 && offsetof(RkDatabaseRecord, principal) == 66 &&
                        offsetof(RkDatabaseRecord, altPortNumber) == 1347,
                    "RkDatabaseRecord's layout");

/* Ordinal 9. Catalogs the TCP/IP node `node` describes (sqlectnd): 1 on
 * success. A node with RKDB2_SECURITY_SSL is catalogued as DB2's SSL node. */
RKDB2_API int RKDB2_CALL RkCatalogNode(const RkNodeRecord* node, char* message, int messageSize);

/* Ordinal 10. Catalogs the remote database `database` describes at its
 * node (sqlecadb): 1 on success. DB2 catalogs a database at a node it does
 * not know with a warning (SQL1100W), which fails this call, and the entry
 * stays. */
RKDB2_API int RKDB2_CALL RkCatalogDatabaseAtNode(const RkDatabaseRecord* database, char* message, int messageSize);

/* Ordinal 11. Sets the alternate server of the database `alias`
 * (db2UpdateAlternateServerForDB), or clears it when `hostName` is null or
 * empty (then `portNumber` must be too). DB2 applies it on a server
 * instance only: a client instance ignores it with the warning SQL1889W,
 * which fails this call. */
RKDB2_API int RKDB2_CALL RkSetAlternateServer(const char* alias, const char* hostName, const char* portNumber,
                                              char* message, int messageSize);

/* Ordinal 12. Uncatalogs the node `nodeName` alone (sqleuncn). */
RKDB2_API int RKDB2_CALL RkUncatalogNode(const char* nodeName, char* message, int messageSize);

/* Ordinal 13. Uncatalogs the database `alias` alone (sqleuncd). */
RKDB2_API int RKDB2_CALL RkUncatalogDatabase(const char* alias, char* message, int messageSize);

/* Ordinal 14. Reads the node directory: `*count` receives the number of
 * nodes, and the first `capacity` of them, in directory order, fill the
 * array `nodes` (null when `capacity` is 0). The caller sets nodes[0].size,
 * which is also the distance between the array's records. 1 when the
 * directory was read, also when it is empty or missing (count 0) and when
 * it holds more nodes than `capacity` (ask again with room for `*count`). */
RKDB2_API int RKDB2_CALL RkListNodes(RkNodeRecord* nodes, int capacity, int* count, char* message, int messageSize);

/* Ordinal 15. Writes the record of a listed database entry (an entry of
 * CRkDatabaseListPopulate or CRkDatabaseListNext) into `record`, whose
 * `size` the caller sets. 1 on success; 0, writing nothing, for a null or
 * unknown entry, a null record or a size below RKDB2_DATABASE_RECORD_SIZE. */
RKDB2_API int RKDB2_CALL RkGetDatabaseRecord(RkDatabaseEntry* entry, RkDatabaseRecord* record);

/* --- Data sources: every place the DB2 client finds a database -----------
 * The system database directory (joined with its nodes), db2cli.ini and
 * db2dsdriver.cfg, in the order the client resolves an alias: a full client
 * (one with db2app and the directory) the directory, then db2cli.ini, then
 * db2dsdriver.cfg; a data server driver without the directory db2cli.ini,
 * then db2dsdriver.cfg. An entry whose alias an earlier one names is
 * shadowed: the earlier one wins. The files are found as the client finds
 * them: DB2CLIINIPATH and DB2DSDRIVER_CFG_PATH where set (environment first,
 * then the DB2 profile registry), else DB2INSTPROF's "cfg" directory.
 * Passwords (PWD, Password) are never read into a record or a text.
 *
 * A data-source list handle has the database list's contract: no export
 * releases it, every entry it handed out stays valid and unchanged until
 * the library is unloaded, a population gives the latest sources, and a
 * failed one leaves the previous walk. */

typedef struct RkDataSourceList RkDataSourceList;
typedef struct RkDataSourceEntry RkDataSourceEntry;

#define RKDB2_SOURCE_DIRECTORY 1
#define RKDB2_SOURCE_CLI_INI 2
#define RKDB2_SOURCE_DSDRIVER_CFG 3
#define RKDB2_CLIENT_FULL 1   /* db2app and the directory */
#define RKDB2_CLIENT_DRIVER 2 /* a data server driver: no directory */

#define RKDB2_DATA_SOURCE_RECORD_SIZE 620
typedef struct RkDataSourceRecord {
    unsigned int size;
    unsigned short source;         /* RKDB2_SOURCE_* */
    unsigned short protocol;       /* RKDB2_PROTOCOL_* */
    unsigned short security;       /* RKDB2_SECURITY_* */
    unsigned short authentication; /* RKDB2_AUTHENTICATION_*; NOT_SPECIFIED when none is set */
    unsigned short shadowed;       /* 1: an earlier entry in the client's order names the alias */
    unsigned short reserved;
    unsigned int line; /* the line the entry starts at; 0 for the directory */
    char alias[33];
    char databaseName[33];
    char hostName[256]; /* empty for a local database */
    char port[15];
    char file[260]; /* the file read; empty for the directory */
} RkDataSourceRecord;

#define RKDB2_DATA_SOURCE_FILES_SIZE 528
typedef struct RkDataSourceFiles {
    unsigned int size;
    unsigned short clientKind; /* RKDB2_CLIENT_* */
    unsigned short reserved;
    char cliIni[260];      /* the db2cli.ini read, or empty when none was found */
    char dsDriverCfg[260]; /* the db2dsdriver.cfg read, or empty */
} RkDataSourceFiles;

RKDB2_STATIC_ASSERT(sizeof(RkDataSourceRecord) == RKDB2_DATA_SOURCE_RECORD_SIZE, "RkDataSourceRecord is 620 bytes");
RKDB2_STATIC_ASSERT(offsetof(RkDataSourceRecord, alias) == 20 && offsetof(RkDataSourceRecord, file) == 357,
                    "RkDataSourceRecord's layout");
RKDB2_STATIC_ASSERT(sizeof(RkDataSourceFiles) == RKDB2_DATA_SOURCE_FILES_SIZE, "RkDataSourceFiles is 528 bytes");

/* Ordinal 16. A new data-source list handle; null only when memory runs out.
 * It needs no DB2 library: without db2app it lists the files' sources. */
RKDB2_API RkDataSourceList* RKDB2_CALL RkDataSourceListNew(void);

/* Ordinal 17. Reads every source into the list; *first receives the first
 * entry, in the client's order, or null. 1 on success, also when a file was
 * malformed (its faults are in RkDataSourceListGetError, the rest was read);
 * 0 when the directory cannot be read. */
RKDB2_API int RKDB2_CALL RkDataSourceListPopulate(RkDataSourceList* list, RkDataSourceEntry** first);

/* Ordinal 18. The entry after the current one, or null at the end. */
RKDB2_API RkDataSourceEntry* RKDB2_CALL RkDataSourceListNext(RkDataSourceList* list);

/* Ordinal 19. Why the latest population failed (DB2's text, or the
 * library's own), or the faults of the files it read, one per line, each
 * naming the file and the line; the empty text when there were none. Cut
 * to `size` bytes with the terminator. Writes nothing for an unknown list. */
RKDB2_API void RKDB2_CALL RkDataSourceListGetError(RkDataSourceList* list, char* text, int size);

/* Ordinal 20. The entry's record, into `record` whose `size` the caller
 * sets. 1 on success; 0, writing nothing, for a null or unknown entry, a
 * null record or a size below RKDB2_DATA_SOURCE_RECORD_SIZE. */
RKDB2_API int RKDB2_CALL RkGetDataSourceRecord(RkDataSourceEntry* entry, RkDataSourceRecord* record);

/* Ordinal 21. The client kind and the two files of the latest population,
 * into `files` whose `size` the caller sets. 1 on success; 0 for an
 * unknown list, before any population, or a size below
 * RKDB2_DATA_SOURCE_FILES_SIZE. */
RKDB2_API int RKDB2_CALL RkDataSourceListGetFiles(RkDataSourceList* list, RkDataSourceFiles* files);

typedef void(RKDB2_CALL* RKDB2_PFN_CRkDatabaseListGetError)(RkDatabaseList*, char*, int);
typedef RkDatabaseList*(RKDB2_CALL* RKDB2_PFN_CRkDatabaseListNew)(void);
typedef RkDatabaseEntry*(RKDB2_CALL* RKDB2_PFN_CRkDatabaseListNext)(RkDatabaseList*);
typedef int(RKDB2_CALL* RKDB2_PFN_CRkDatabaseListPopulate)(RkDatabaseList*, RkDatabaseEntry**);
typedef int(RKDB2_CALL* RKDB2_PFN_CatalogDatabase)(const char*, const char*, char*, int);
typedef void(RKDB2_CALL* RKDB2_PFN_GetDatabaseDetails)(RkDatabaseEntry*, char*);
typedef int(RKDB2_CALL* RKDB2_PFN_RkConnect)(const char*, const char*, const char*, char*, char*);
typedef int(RKDB2_CALL* RKDB2_PFN_UncatalogDatabase)(const char*, const char*, char*, int);
typedef int(RKDB2_CALL* RKDB2_PFN_RkCatalogNode)(const RkNodeRecord*, char*, int);
typedef int(RKDB2_CALL* RKDB2_PFN_RkCatalogDatabaseAtNode)(const RkDatabaseRecord*, char*, int);
typedef int(RKDB2_CALL* RKDB2_PFN_RkSetAlternateServer)(const char*, const char*, const char*, char*, int);
typedef int(RKDB2_CALL* RKDB2_PFN_RkUncatalogNode)(const char*, char*, int);
typedef int(RKDB2_CALL* RKDB2_PFN_RkUncatalogDatabase)(const char*, char*, int);
typedef int(RKDB2_CALL* RKDB2_PFN_RkListNodes)(RkNodeRecord*, int, int*, char*, int);
typedef int(RKDB2_CALL* RKDB2_PFN_RkGetDatabaseRecord)(RkDatabaseEntry*, RkDatabaseRecord*);
typedef RkDataSourceList*(RKDB2_CALL* RKDB2_PFN_RkDataSourceListNew)(void);
typedef int(RKDB2_CALL* RKDB2_PFN_RkDataSourceListPopulate)(RkDataSourceList*, RkDataSourceEntry**);
typedef RkDataSourceEntry*(RKDB2_CALL* RKDB2_PFN_RkDataSourceListNext)(RkDataSourceList*);
typedef void(RKDB2_CALL* RKDB2_PFN_RkDataSourceListGetError)(RkDataSourceList*, char*, int);
typedef int(RKDB2_CALL* RKDB2_PFN_RkGetDataSourceRecord)(RkDataSourceEntry*, RkDataSourceRecord*);
typedef int(RKDB2_CALL* RKDB2_PFN_RkDataSourceListGetFiles)(RkDataSourceList*, RkDataSourceFiles*);

#ifdef __cplusplus
}
#endif

#endif /* RKDB2ROVA_H */
