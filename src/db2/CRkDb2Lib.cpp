#include "db2/CRkDb2Lib.h"

#include <utility>

CRkDb2Lib::CRkDb2Lib(std::string fileName, rk::platform::LibraryLoader& loader)
    : m_fileName(std::move(fileName)), m_loader(loader)
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
    m_loadSucceeded = m_module != nullptr && ResolveEntryPoints();
    return m_loadSucceeded;
}
