#pragma once

#include <memory>
#include <vector>

// The module-wide list of node directory entries.
class CRkNodeList {
public:
    CRkNodeList() = default;
    CRkNodeList(const CRkNodeList&) = delete;
    CRkNodeList& operator=(const CRkNodeList&) = delete;
};
