/*
 * A host application of RkDb2Rova as a customer writes one: it includes
 * rkdb2rova.h and links to the DLL through an import library of the
 * package (no GetProcAddress), then lists the catalogued databases, shows
 * the first one's details and tests a connection to the data source named
 * on its command line.
 *
 * It needs no C run-time library: built with RK_FREESTANDING it is linked
 * against kernel32 and RkDb2Rova.dll only (clang for the MSVC ABI and
 * lld-link without an MSVC installation), so the few kernel32 functions it
 * uses are declared here rather than taken from SDK headers.
 *
 * Output: "version", then one "database" line per entry, "field" lines of
 * the first entry, and "connect RESULT DBMS MESSAGE". Exit 0 when the
 * listing succeeded and the connection test returned 0 or 1.
 */
#include "rkdb2rova.h"

#define STD_OUTPUT_HANDLE ((unsigned long)-11)
__declspec(dllimport) void* __stdcall GetStdHandle(unsigned long which);
__declspec(dllimport) int __stdcall WriteFile(void* file, const void* data, unsigned long size, unsigned long* written,
                                              void* overlapped);
__declspec(dllimport) char* __stdcall GetCommandLineA(void);
__declspec(dllimport) void __stdcall ExitProcess(unsigned int code);

#ifdef RK_FREESTANDING
/* The compiler may call these for copies and fills of its own. */
void* memset(void* destination, int value, size_t size)
{
    unsigned char* bytes = (unsigned char*)destination;
    while (size-- > 0)
        *bytes++ = (unsigned char)value;
    return destination;
}
void* memcpy(void* destination, const void* source, size_t size)
{
    unsigned char* to = (unsigned char*)destination;
    const unsigned char* from = (const unsigned char*)source;
    while (size-- > 0)
        *to++ = *from++;
    return destination;
}
#endif

static size_t Length(const char* text)
{
    size_t length = 0;
    while (text[length] != '\0')
        ++length;
    return length;
}

static void WriteBytes(const char* text, size_t size)
{
    unsigned long written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text, (unsigned long)size, &written, 0);
}

static void Write(const char* text) { WriteBytes(text, Length(text)); }

static void WriteNumber(int number)
{
    char digits[12];
    int i = (int)sizeof digits;
    unsigned int value = number < 0 ? 0u - (unsigned int)number : (unsigned int)number;
    do {
        digits[--i] = (char)('0' + value % 10);
        value /= 10;
    } while (value != 0);
    if (number < 0)
        digits[--i] = '-';
    WriteBytes(digits + i, sizeof digits - (size_t)i);
}

/* The first argument of the command line, or "" when there is none. */
static const char* FirstArgument(char* commandLine)
{
    char* p = commandLine;
    if (*p == '"') {
        for (++p; *p != '\0' && *p != '"'; ++p) { }
        if (*p == '"')
            ++p;
    } else {
        while (*p != '\0' && *p != ' ' && *p != '\t')
            ++p;
    }
    while (*p == ' ' || *p == '\t')
        ++p;
    {
        char* end = p;
        while (*end != '\0' && *end != ' ' && *end != '\t')
            ++end;
        *end = '\0';
    }
    return p;
}

static char g_record[RKDB2_DETAILS_SIZE];
static char g_dbmsName[RKDB2_DBMS_NAME_SIZE];
static char g_message[RKDB2_CONNECT_MESSAGE_MAX];

static const struct {
    const char* label;
    size_t offset;
} kFields[] = {
#define RK_CONSUMER_FIELD(field, Field, offset, label) {label, offset},
    RKDB2_DETAILS_FIELDS(RK_CONSUMER_FIELD)
#undef RK_CONSUMER_FIELD
};

static int ListAndShow(void)
{
    RkDatabaseList* list = CRkDatabaseListNew();
    RkDatabaseEntry* entry = 0;
    int shown = 0;
    size_t f;
    if (list == 0) {
        Write("no list: the DB2 client cannot be loaded\n");
        return 0;
    }
    if (CRkDatabaseListPopulate(list, &entry) != 1) {
        CRkDatabaseListGetError(list, g_message, (int)sizeof g_message);
        Write("listing failed: ");
        Write(g_message);
        Write("\n");
        return 0;
    }
    for (; entry != 0; entry = CRkDatabaseListNext(list)) {
        GetDatabaseDetails(entry, g_record);
        Write("database ");
        Write(g_record + RKDB2_DETAILS_ALIAS_OFFSET);
        Write(" ");
        Write(g_record + RKDB2_DETAILS_NODE_NAME_OFFSET);
        Write(" ");
        Write(g_record + RKDB2_DETAILS_HOST_NAME_OFFSET);
        Write("\n");
        if (shown++ > 0)
            continue;
        for (f = 0; f < sizeof kFields / sizeof kFields[0]; ++f) {
            Write("field ");
            Write(kFields[f].label);
            Write(": ");
            Write(g_record + kFields[f].offset);
            Write("\n");
        }
    }
    return 1;
}

static int Run(void)
{
    const char* dataSource = FirstArgument(GetCommandLineA());
    int listed;
    int connected;
    Write("version " RKDB2ROVA_VERSION_STRING "\n");
    listed = ListAndShow();
    connected = RkConnect(dataSource, "demo", "secret", g_dbmsName, g_message);
    Write("connect ");
    WriteNumber(connected);
    Write(" ");
    {
        /* Not terminated when the name has eight characters or more. */
        size_t length = 0;
        while (length < sizeof g_dbmsName && g_dbmsName[length] != '\0')
            ++length;
        WriteBytes(g_dbmsName, length);
    }
    Write(" ");
    Write(g_message);
    Write("\n");
    return listed && (connected == 0 || connected == 1) ? 0 : 1;
}

#ifdef RK_FREESTANDING
void mainCRTStartup(void) { ExitProcess((unsigned int)Run()); }
#else
int main(void) { return Run(); }
#endif
