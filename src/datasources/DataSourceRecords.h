#pragma once
// The records of the public header that carry data sources to hosts.

#include <cstddef>

#include "rkdb2rova.h"

class CRkDataSourceEntry;
class CRkDataSourceList;

namespace rk::datasources {

// The longest file path a record carries; a longer one is not read.
inline constexpr std::size_t kMaxFilePathLength = sizeof(RkDataSourceRecord::file) - 1;

// Fill every field after the size.
void WriteDataSourceRecord(const CRkDataSourceEntry& entry, RkDataSourceRecord& record);
void WriteDataSourceFiles(const CRkDataSourceList& list, RkDataSourceFiles& files);

} // namespace rk::datasources
