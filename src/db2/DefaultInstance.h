#pragma once
// The machine's default DB2 instance (profile value DB2INSTDEF).

#include <cstddef>

#include "db2/Db2Profile.h"
#include "platform/ProfileRegistry.h"

namespace rk::db2 {

inline constexpr std::size_t kDefaultInstanceBufferSize = profile::kMaxDefaultInstanceLength + 1;

// Fills `destination` with the default instance name from `profile`, or
// with empty text when none is known. Read afresh on every call. A name of
// more than 11 characters is treated as absent: cut, it would name another
// instance.
void ReadDefaultInstanceName(char (&destination)[kDefaultInstanceBufferSize], platform::CRkProfileRegistry& profile);

} // namespace rk::db2
