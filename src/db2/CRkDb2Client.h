#pragma once
// The module's DB2 client: one object per client library, each loaded on
// its first use and held until the module is unloaded.

#include "db2/CRkDb2AppLib.h"
#include "db2/CRkDb2CliLib.h"
#include "db2/CRkDb2SysLib.h"

#include <string>

class CRkDb2Client {
public:
    explicit CRkDb2Client(rk::platform::CRkLibraryLoader& loader)
        : m_db2AppLib(loader), m_db2SysLib(loader), m_db2CliLib(loader)
    {
    }
    CRkDb2Client(const CRkDb2Client&) = delete;
    CRkDb2Client& operator=(const CRkDb2Client&) = delete;

    // What a database list needs: db2app.dll, then, only if that loaded,
    // db2sys.dll. True when both are available.
    bool LoadDirectoryLibraries() { return m_db2AppLib.Load() && m_db2SysLib.Load(); }
    // The same, naming the file that failed in `failedFile`.
    bool LoadDirectoryLibraries(std::string& failedFile)
    {
        for (CRkDb2Lib* library : {static_cast<CRkDb2Lib*>(&m_db2AppLib), static_cast<CRkDb2Lib*>(&m_db2SysLib)}) {
            if (!library->Load()) {
                failedFile = library->FileName();
                return false;
            }
        }
        return true;
    }

    // The entry points of db2app.dll and db2sys.dll, once
    // LoadDirectoryLibraries() returned true.
    const CRkDb2AppLib& AppLib() const { return m_db2AppLib; }
    const CRkDb2SysLib& SysLib() const { return m_db2SysLib; }
    // db2cli.dll, which its user (the connection test) loads itself.
    CRkDb2CliLib& CliLib() { return m_db2CliLib; }

private:
    // Destroyed in reverse order at unload: db2cli.dll is released first,
    // db2app.dll last.
    CRkDb2AppLib m_db2AppLib;
    CRkDb2SysLib m_db2SysLib;
    CRkDb2CliLib m_db2CliLib;
};
