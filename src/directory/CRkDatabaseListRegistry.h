#pragma once

#include <memory>
#include <vector>

#include "directory/CRkDatabaseList.h"

// Owns every list handle the module handed out. Handles live until the
// module is unloaded, and are destroyed with it; a pointer the host passes
// in is used only if it is one of these.
class CRkDatabaseListRegistry {
public:
    CRkDatabaseList* Adopt(std::unique_ptr<CRkDatabaseList> list)
    {
        m_lists.push_back(std::move(list));
        return m_lists.back().get();
    }

    CRkDatabaseList* Find(const void* handle) const
    {
        for (const auto& list : m_lists)
            if (list.get() == handle)
                return list.get();
        return nullptr;
    }

private:
    std::vector<std::unique_ptr<CRkDatabaseList>> m_lists;
};
