#include "db2/CRkCatalogApi.h"

bool CRkCatalogApi::LoadLibraries(std::string& message)
{
    for (CRkDb2Lib* library : {static_cast<CRkDb2Lib*>(&m_appLib), static_cast<CRkDb2Lib*>(&m_sysLib)}) {
        if (!library->Load()) {
            message = "Failed to load " + library->GetFileName();
            return false;
        }
    }
    return true;
}
