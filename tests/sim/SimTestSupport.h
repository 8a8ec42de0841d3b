#pragma once
// Helpers of the stand-in client's own tests: its libraries loaded by path,
// a fresh store directory per test, and raw record fields.

#include <string>

#include "TestEnv.h"
#include "db2/Db2Api.h"
#include "os/LoadedLibrary.h"

namespace rk::test {

// One of the stand-in's libraries from db2sim/ of the build tree.
class SimLibrary {
public:
    explicit SimLibrary(const std::string& fileName);

    bool IsLoaded() const { return m_library.IsLoaded(); }

    // The entry point by its listed name ("sqlenops_api@12"), as this build
    // exports it. Null when absent.
    template <typename Fn>
    Fn Entry(const char* exportName) const
    {
        // Through void(*)(void): entry points are functions of differing types.
        return reinterpret_cast<Fn>(reinterpret_cast<void (*)(void)>(Lookup(exportName)));
    }

private:
    void* Lookup(const char* exportName) const;
    os::LoadedLibrary m_library;
};

// A new, empty store directory that RKDB2_SIM_HOME names for the object's
// life; removed with everything in it afterwards.
class SimHome {
public:
    SimHome();
    ~SimHome();
    SimHome(const SimHome&) = delete;
    SimHome& operator=(const SimHome&) = delete;

    const std::string& Path() const { return m_path; }
    std::string FilePath(const std::string& fileName) const { return m_path + "/" + fileName; }
    void Write(const std::string& fileName, const std::string& text) const;
    std::string Read(const std::string& fileName) const;
    bool Exists(const std::string& fileName) const;
    // Names of all files in the directory.
    std::string Listing() const;

private:
    std::string m_path;
    ScopedEnv m_env;
};

// `text` cut or padded with blanks to `width`.
std::string Padded(const std::string& text, std::size_t width);
// The raw bytes of a record field.
std::string FieldBytes(const unsigned char* record, bytes::Field field);
std::string Sqlstate(const db2::Sqlca& ca);
// sqlerrmc, sqlerrml bytes long.
std::string Tokens(const db2::Sqlca& ca);

} // namespace rk::test
