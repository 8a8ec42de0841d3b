#pragma once

#include <memory>
#include <unordered_set>
#include <vector>

#include "datasources/CRkDataSourceList.h"

// Owns every data-source list handle the module handed out, as
// CRkDatabaseListRegistry does the database lists: handles live until the
// module is unloaded, and a pointer the host passes in is used only if it is
// one of these (or one of their entries). Not synchronized.
class CRkDataSourceListRegistry {
public:
    CRkDataSourceList* Adopt(std::unique_ptr<CRkDataSourceList> list)
    {
        m_lists.push_back(std::move(list));
        m_listAddresses.insert(m_lists.back().get());
        return m_lists.back().get();
    }

    CRkDataSourceList* Find(const void* handle) const
    {
        // Only the address is compared; a foreign pointer is never dereferenced.
        if (m_listAddresses.count(handle) == 0)
            return nullptr;
        return static_cast<CRkDataSourceList*>(const_cast<void*>(handle));
    }

    const CRkDataSourceEntry* FindEntry(const void* entry) const
    {
        if (entry == nullptr)
            return nullptr;
        for (const auto& list : m_lists)
            if (list->Holds(entry))
                return static_cast<const CRkDataSourceEntry*>(entry);
        return nullptr;
    }

private:
    std::vector<std::unique_ptr<CRkDataSourceList>> m_lists;
    std::unordered_set<const void*> m_listAddresses;
};
