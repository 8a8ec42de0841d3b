/* The public header compiles as C (C11 for its static assertions), with the
 * same record layout and export types as in C++. */
#include "rkdb2rova.h"

size_t RkDetailsSizeSeenFromC(void) { return sizeof(DatabaseDetails); }
size_t RkPlatformOffsetSeenFromC(void) { return offsetof(DatabaseDetails, platform); }
RKDB2_PFN_RkConnect RkConnectPointerTypeFromC(void) { return (RKDB2_PFN_RkConnect)0; }
