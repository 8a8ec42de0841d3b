#pragma once
// The stand-in DB2 client for the benchmarks: directories of a chosen size
// in stores of their own, its db2app.dll (found through the program's
// RUNPATH), a bare scan through its entry points and a population with the
// host's walk through the library.

#include <cstddef>
#include <string>

class CRkDb2AppLib;
class CRkDatabaseList;
class CRkNodeList;

namespace rk::bench {

// Points the stand-in at a store of `databases` databases spread evenly
// over `nodes` nodes, written on first use and removed with the process.
void UseStore(int databases, int nodes);

// Writes such a directory into `dir`, the comments of its first `changed`
// databases naming `generation`.
void WriteStore(const std::string& dir, int databases, int nodes, int changed, int generation);

// The stand-in's db2app.dll, loaded once.
const CRkDb2AppLib& App();

// Whether a bare scan reads the database records' bytes.
enum class RecordBytes { kUnread, kRead };

// Opens, fetches every record and closes both directories, as a population
// reads them, building nothing. With kRead it also reads every byte of the
// database record fields a population reads, and only those. Returns the
// records fetched.
std::size_t BareScan(const CRkDb2AppLib& app, RecordBytes bytes = RecordBytes::kUnread);

// Populates `list` and walks it as a host does, writing every entry's
// DatabaseDetails record. Returns the entries walked.
std::size_t PopulateAndWalk(CRkDatabaseList& list, CRkNodeList& nodes);

} // namespace rk::bench
