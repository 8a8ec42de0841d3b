#pragma once
// The catalogue a JSON document describes, as `rkdb2 export --format json`
// writes it, read and checked against DB2's rules before anything is
// written: a field of the wrong type, a name DB2 would refuse, a text over
// its limit or an entry listed twice is refused with the field's path.

#include <string>

#include "Catalogue.h"

namespace rkdb2 {

// False with `error` naming the place: "nodes[2].host: ...", or "line 3,
// column 5: ..." for a document that is not JSON. The document's texts are
// the client's bytes as export writes them, each byte above 0x7F the
// Latin-1 character of that value.
bool ReadCatalogueFile(const std::string& text, Catalogue& catalogue, std::string& error);

// The same rules for one entry given on the command line: false with
// `error` naming the argument or option ("ALIAS: ...", "--host: ...").
bool CheckNodeArguments(const CatalogueNode& node, std::string& error);
bool CheckDatabaseArguments(const CatalogueDatabase& database, std::string& error);

} // namespace rkdb2
