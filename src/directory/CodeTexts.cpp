#include "directory/CodeTexts.h"

#include "db2/Db2Api.h"

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
    {db2::ostype::kUnknown, "UNKNOWN"},
    {db2::ostype::kOs2, "OS/2"},
    {db2::ostype::kWindows, "Windows"},
    {db2::ostype::kAix, "AIX"},
    {db2::ostype::kNt, "NT"},
    {db2::ostype::kHp, "HP"},
    {db2::ostype::kSun, "Sun"},
    {db2::ostype::kZos, "Z/OS"},
    {db2::ostype::kSiemensNixdorf, "Siemens Nixdorf"},
    {db2::ostype::kWindows95, "Windows 95"},
    {db2::ostype::kSco, "SCO"},
    {db2::ostype::kLinux, "Linux"},
    {db2::ostype::kDynix, "DYNIX/ptx"},
    {db2::ostype::kLinux390, "Linux/390"},
    {db2::ostype::kLinuxZ64, "LinuxZ64"},
    {db2::ostype::kLinuxIa64, "Linux/IA64"},
    {db2::ostype::kLinuxPpc, "Linux/PPC"},
    {db2::ostype::kLinuxPpc64, "Linux/PPC64"},
    {db2::ostype::kLinuxX8664, "Linux/X8664"},
    {db2::ostype::kHpPa64, "HP-PA64"},
    {db2::ostype::kHpIa, "HP-IA"},
    {db2::ostype::kHpIa64, "HP-IA64"},
    {db2::ostype::kAs400, "AS/400"},
};

template <std::size_t N>
constexpr bool FitTheEntries(const CodeText (&table)[N])
{
    for (const auto& entry : table)
        if (std::string_view(entry.text).size() > kMaxCodeTextLength)
            return false;
    return true;
}
static_assert(FitTheEntries(kEntryTypes) && FitTheEntries(kAuthentications) && FitTheEntries(kPlatforms),
              "every code text fits what an entry sets aside for it");

} // namespace

std::string_view EntryTypeText(unsigned char entryType) { return Lookup(kEntryTypes, entryType, ""); }

std::string_view AuthenticationText(std::uint16_t authentication)
{
    return Lookup(kAuthentications, authentication, "");
}

std::string_view PlatformText(std::uint16_t osType) { return Lookup(kPlatforms, osType, "????????"); }

} // namespace rk::directory
