#pragma once
// The library's own texts of the database list, for what no DB2 call
// describes.

namespace rk::directory {

// A population that failed inside the library (out of memory, for one),
// after its DB2 calls may all have succeeded. Written without allocating.
extern const char kListFailedInsideText[];

} // namespace rk::directory
