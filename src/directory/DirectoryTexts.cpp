#include "directory/DirectoryTexts.h"

namespace rk::directory {

const char kListFailedInsideText[] =
    "The listing failed inside the library (out of memory or another unexpected error); the list keeps its "
    "previous entries and walk.";

} // namespace rk::directory
