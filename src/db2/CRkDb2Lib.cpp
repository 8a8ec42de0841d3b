#include "db2/CRkDb2Lib.h"

#include <utility>

CRkDb2Lib::CRkDb2Lib(std::string fileName, rk::platform::LibraryLoader& loader)
    : m_strFileName(std::move(fileName)), m_loader(loader)
{
}

CRkDb2Lib::~CRkDb2Lib()
{
    // A library whose entry points were incomplete is held too, and released here.
    if (m_hModule != nullptr)
        m_loader.Release(m_hModule);
}

bool CRkDb2Lib::Load()
{
    std::lock_guard<std::mutex> lock(m_loadMutex);
    if (m_bLoadAttempted)
        return m_bLoadSucceeded;
    m_bLoadAttempted = true;
    m_hModule = m_loader.Load(m_strFileName);
    m_bLoadSucceeded = m_hModule != nullptr && ResolveEntryPoints();
    return m_bLoadSucceeded;
}
