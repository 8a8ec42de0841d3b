#include "directory/CRkDatabaseList.h"

#include "db2/CRkDb2AppLib.h"
#include "db2/CRkDb2SysLib.h"

bool CRkDatabaseList::LoadLibraries(CRkDb2AppLib& appLib, CRkDb2SysLib& sysLib)
{
    m_bLibrariesLoaded = appLib.Load() && sysLib.Load();
    return m_bLibrariesLoaded;
}
