#pragma once

#include <memory>
#include <unordered_set>
#include <vector>

#include "directory/CRkDatabaseList.h"

// Owns every list handle the module handed out. Handles live until the
// module is unloaded, and are destroyed with it, entries included; a pointer
// the host passes in is used only if it is one of these (or one of their
// entries). Not synchronized: the caller serializes every use.
class CRkDatabaseListRegistry {
public:
    CRkDatabaseList* Adopt(std::unique_ptr<CRkDatabaseList> list)
    {
        m_lists.push_back(std::move(list));
        m_listAddresses.insert(m_lists.back().get());
        return m_lists.back().get();
    }

    CRkDatabaseList* Find(const void* handle) const
    {
        // Only the address is compared; a foreign pointer is never dereferenced.
        if (m_listAddresses.count(handle) == 0)
            return nullptr;
        return static_cast<CRkDatabaseList*>(const_cast<void*>(handle));
    }

    const CRkDatabaseEntry* FindEntry(const void* entry) const
    {
        if (entry == nullptr)
            return nullptr;
        for (const auto& list : m_lists)
            if (list->Holds(entry))
                return static_cast<const CRkDatabaseEntry*>(entry);
        return nullptr;
    }

private:
    std::vector<std::unique_ptr<CRkDatabaseList>> m_lists;
    std::unordered_set<const void*> m_listAddresses;
};
