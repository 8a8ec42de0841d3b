#include "db2/CRkCatalogApi.h"

#include "catalog/CatalogTexts.h"

bool CRkCatalogApi::LoadLibraries(std::string& message)
{
    for (CRkDb2Lib* library : {static_cast<CRkDb2Lib*>(&m_appLib), static_cast<CRkDb2Lib*>(&m_sysLib)}) {
        if (!library->Load()) {
            message = rk::catalog::FailedToLoadText(library->FileName());
            return false;
        }
    }
    return true;
}
