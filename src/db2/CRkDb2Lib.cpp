#include "db2/CRkDb2Lib.h"

#include <utility>

CRkDb2Lib::CRkDb2Lib(std::string fileName, rk::platform::CRkLibraryLoader& loader)
    : CRkDb2Lib(std::move(fileName), std::string(), loader)
{
}

CRkDb2Lib::CRkDb2Lib(std::string fileName, std::string fallbackFileName, rk::platform::CRkLibraryLoader& loader)
    : m_strFileName(std::move(fileName)), m_strFallbackFileName(std::move(fallbackFileName)), m_loader(loader)
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
    // Only a file that cannot be loaded falls back; one that loads without
    // its entry points fails as it is.
    if (m_hModule == nullptr && !m_strFallbackFileName.empty())
        m_hModule = m_loader.Load(m_strFallbackFileName);
    m_bLoadSucceeded = m_hModule != nullptr && ResolveEntryPoints();
    return m_bLoadSucceeded;
}
