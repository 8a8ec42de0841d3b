#include "directory/CodeTexts.h"

namespace rk::directory {
namespace {

struct CodeText {
    unsigned code;
    const char* text;
};

template <std::size_t N>
std::string_view Lookup(const CodeText (&table)[N], unsigned code, const char* fallback)
{
    for (const auto& entry : table)
        if (entry.code == code)
            return entry.text;
    return fallback;
}

// Hosts match on these texts as they are, spelling included.
constexpr CodeText kEntryTypes[] = {
    {'0', "SQL_INDIRECT"}, {'1', "SQL_REMOTE"}, {'2', "SQL_HOME"}, {'3', "SQL_DCE"}, {'4', "SQL_LDPA"},
};

constexpr CodeText kAuthentications[] = {
    {0, "On Server"},
    {1, "On Client"},
    {2, "DDCS"},
    {3, "DCE"},
    {4, "At Server with encrypt"},
    {5, "DDCS with encrypt"},
    {6, "DCE or Server with Encrypt"},
    {7, "Kerberos"},
    {8, "Kerberos or Server with Envrypt"},
    {9, "GSS API plugin"},
    {10, "GSS API plugin or Server with Encrypt"},
    {11, "At server with encrypted data"},
    {12, "At server with or without encrypted data"},
    {255, "Not Specified"},
};

constexpr CodeText kPlatforms[] = {
    {0, "UNKNOWN"},      {1, "OS/2"},         {3, "Windows"},     {4, "AIX"},
    {5, "NT"},           {6, "HP"},           {7, "Sun"},         {8, "Z/OS"},
    {13, "Siemens Nixdorf"}, {15, "Windows 95"}, {16, "SCO"},     {18, "Linux"},
    {19, "DYNIX/ptx"},   {24, "Linux/390"},   {25, "LinuxZ64"},   {26, "Linux/IA64"},
    {27, "Linux/PPC"},   {28, "Linux/PPC64"}, {29, "Linux/X8664"}, {30, "HP-PA64"},
    {31, "HP-IA"},       {32, "HP-IA64"},     {400, "AS/400"},
};

} // namespace

std::string_view EntryTypeText(unsigned char entryType) { return Lookup(kEntryTypes, entryType, ""); }

std::string_view AuthenticationText(std::uint16_t authentication) { return Lookup(kAuthentications, authentication, ""); }

std::string_view PlatformText(std::uint16_t osType) { return Lookup(kPlatforms, osType, "????????"); }

} // namespace rk::directory
