#pragma once
// One object per DB2 client library: it loads the library on first use,
// resolves the entry points by exact name into fields named after them, and
// remembers the outcome of that one attempt for the object's life.

#include <mutex>
#include <string>

#include "platform/DynamicLibrary.h"

class CRkDb2Lib {
public:
    explicit CRkDb2Lib(std::string fileName,
                       rk::platform::LibraryLoader& loader = rk::platform::SystemLibraryLoader());
    virtual ~CRkDb2Lib();

    CRkDb2Lib(const CRkDb2Lib&) = delete;
    CRkDb2Lib& operator=(const CRkDb2Lib&) = delete;

    // True when the library is loaded with every required entry point. Only
    // the first call loads; later calls report that attempt's outcome.
    // Safe to call from several threads: the first use loads exactly once.
    bool Load();

    std::string GetFileName() const { return m_strFileName; }

protected:
    virtual bool ResolveEntryPoints() = 0;

    // Looks `exportName` up in the loaded library and stores the address (or
    // null) in `field`. True when the name was found.
    template <typename Fn>
    bool Resolve(Fn& field, const char* exportName)
    {
        // The loader hands out a generic function pointer; each field has
        // the entry point's own type.
        field = reinterpret_cast<Fn>(m_loader.Lookup(m_hModule, exportName));
        return field != nullptr;
    }

    rk::platform::LibraryHandle m_hModule = nullptr;
    bool m_bLoadAttempted = false;
    const std::string m_strFileName;

private:
    bool m_bLoadSucceeded = false;
    std::mutex m_loadMutex;
    rk::platform::LibraryLoader& m_loader;
};
