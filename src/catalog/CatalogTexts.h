#pragma once
// The library's own texts of the two catalog exports, for what DB2 has no
// text for: arguments refused before any DB2 call, a DB2 library that does
// not load, and a failure inside the library itself.

#include <cstddef>
#include <string>

namespace rk::catalog {

// "The host name is a null pointer; nothing was changed."
std::string NullArgumentText(const char* what);
// A host name longer than DB2's field takes.
std::string HostNameTooLongText(std::size_t maxLength);
// "Failed to load db2app.dll"
std::string FailedToLoadText(const std::string& fileName);

// An exception inside the library (out of memory, for one). These are
// written without allocating. Cataloguing may have stopped after the node
// step; uncataloguing after the database step.
extern const char kCatalogFailedInsideText[];
extern const char kUncatalogFailedInsideText[];

} // namespace rk::catalog
