#include "db2/CRkDb2Lib.h"

#include <utility>

CRkDb2Lib::CRkDb2Lib(std::string fileName, rk::platform::LibraryLoader& loader)
    : CRkDb2Lib(std::move(fileName), std::string(), loader)
{
}

CRkDb2Lib::CRkDb2Lib(std::string fileName, std::string fallbackFileName, rk::platform::LibraryLoader& loader)
    : m_fileName(std::move(fileName)), m_fallbackFileName(std::move(fallbackFileName)), m_loader(loader)
{
}

CRkDb2Lib::~CRkDb2Lib()
{
    // A library whose entry points were incomplete is held too, and released here.
    if (m_module != nullptr)
        m_loader.Release(m_module);
}

bool CRkDb2Lib::Load()
{
    std::lock_guard<std::mutex> lock(m_loadMutex);
    if (m_loadAttempted)
        return m_loadSucceeded;
    m_loadAttempted = true;
    m_module = m_loader.Load(m_fileName);
    // Only a file that cannot be loaded falls back; one that loads without
    // its entry points fails as it is.
    if (m_module == nullptr && !m_fallbackFileName.empty())
        m_module = m_loader.Load(m_fallbackFileName);
    m_loadSucceeded = m_module != nullptr && ResolveEntryPoints();
    return m_loadSucceeded;
}
