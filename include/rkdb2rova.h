/*
 * rkdb2rova.h - the public interface of RkDb2Rova.dll.
 *
 * RkDb2Rova.dll inspects and maintains the IBM DB2 client installed on the
 * same machine: it lists the catalogued databases joined with their nodes,
 * reads one database's details, catalogs and uncatalogs a remote TCP/IP
 * database, tests a CLI connection and gives DB2's error text.
 *
 * Every export uses the __stdcall convention and is exported under its
 * undecorated name. A host either links to the import library of the
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
#define RKDB2ROVA_VERSION_MINOR 1
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

typedef void(RKDB2_CALL* RKDB2_PFN_CRkDatabaseListGetError)(RkDatabaseList*, char*, int);
typedef RkDatabaseList*(RKDB2_CALL* RKDB2_PFN_CRkDatabaseListNew)(void);
typedef RkDatabaseEntry*(RKDB2_CALL* RKDB2_PFN_CRkDatabaseListNext)(RkDatabaseList*);
typedef int(RKDB2_CALL* RKDB2_PFN_CRkDatabaseListPopulate)(RkDatabaseList*, RkDatabaseEntry**);
typedef int(RKDB2_CALL* RKDB2_PFN_CatalogDatabase)(const char*, const char*, char*, int);
typedef void(RKDB2_CALL* RKDB2_PFN_GetDatabaseDetails)(RkDatabaseEntry*, char*);
typedef int(RKDB2_CALL* RKDB2_PFN_RkConnect)(const char*, const char*, const char*, char*, char*);
typedef int(RKDB2_CALL* RKDB2_PFN_UncatalogDatabase)(const char*, const char*, char*, int);

#ifdef __cplusplus
}
#endif

#endif /* RKDB2ROVA_H */
