#pragma once
// One object per DB2 client library: it loads the library on first use,
// resolves the entry points by exact name into fields named after them, and
// remembers the outcome of that one attempt for the object's life. Each
// derived class takes its fields and its lookups from its library's list in
// db2/Db2EntryPoints.h.

#include <mutex>
#include <string>

#include "db2/Db2EntryPoints.h"
#include "platform/DynamicLibrary.h"

class CRkDb2Lib {
public:
    CRkDb2Lib(std::string fileName, rk::platform::CRkLibraryLoader& loader);
    // A library whose entry points may instead come from `fallbackFileName`
    // where `fileName` cannot be loaded at all. The object keeps the name
    // `fileName` either way.
    CRkDb2Lib(std::string fileName, std::string fallbackFileName, rk::platform::CRkLibraryLoader& loader);
    virtual ~CRkDb2Lib();

    CRkDb2Lib(const CRkDb2Lib&) = delete;
    CRkDb2Lib& operator=(const CRkDb2Lib&) = delete;

    // True when the library is loaded with every required entry point. Only
    // the first call loads; later calls report that attempt's outcome.
    // Safe to call from several threads: the first use loads exactly once.
    bool Load();

    std::string FileName() const { return m_strFileName; }

protected:
    virtual bool ResolveEntryPoints() = 0;

    // Looks `exportName` up in the loaded library and stores the address (or
    // null) in `field`. False only when a required name was not found.
    template <typename Fn>
    bool Resolve(Fn& field, const char* exportName, rk::db2::EntryPointNeed need)
    {
        // The loader hands out a generic function pointer; each field has
        // the entry point's own type.
        field = reinterpret_cast<Fn>(m_loader.Lookup(m_hModule, exportName));
        return field != nullptr || need == rk::db2::EntryPointNeed::kOptional;
    }

private:
    rk::platform::LibraryHandle m_hModule = nullptr;
    bool m_bLoadAttempted = false;
    const std::string m_strFileName;
    const std::string m_strFallbackFileName;
    bool m_bLoadSucceeded = false;
    std::mutex m_loadMutex;
    rk::platform::CRkLibraryLoader& m_loader;
};

// Expanded by a library's list (db2/Db2EntryPoints.h): one field per entry
// point, null until resolved ...
#define RK_DB2_ENTRY_POINT_FIELD(field, exportName, Fn, need) rk::db2::Fn field = nullptr;
// ... and one lookup per entry point, in list order, chained so that the
// first required name not found ends the lookup. Closed by `true`.
#define RK_DB2_RESOLVE_ENTRY_POINT(field, exportName, Fn, need) \
    Resolve(field, exportName, rk::db2::EntryPointNeed::need)&&
