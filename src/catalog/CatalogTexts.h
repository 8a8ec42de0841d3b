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

// The requests of version 0.2, refused before any DB2 call.
// A text field without its NUL, or an empty required one.
std::string FieldLimitText(const char* field, std::size_t minLength, std::size_t maxLength);
// A code field of another value than those it takes.
std::string FieldValuesText(const char* field, const char* values);
// A record whose size field is below this version's record.
std::string RecordTooSmallText(const char* record, unsigned size, std::size_t needed);
// A node record field that DB2's node catalog API has no place for.
std::string NotCataloguedFieldText(const char* field);
std::string AlternateServerInRequestText();
std::string AlternateServerHalfText();
std::string NoAlternateServerUpdateText(const std::string& fileName);
std::string NodeArrayText();

// An exception inside the library during a request of version 0.2, written
// without allocating: its one DB2 call may have been made.
extern const char kRequestFailedInsideText[];

// An exception inside the library (out of memory, for one). These are
// written without allocating. Cataloguing may have stopped after the node
// step; uncataloguing after the database step.
extern const char kCatalogFailedInsideText[];
extern const char kUncatalogFailedInsideText[];

} // namespace rk::catalog
