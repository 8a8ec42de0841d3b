#pragma once

#include <string_view>

namespace rk::boundary {

// Copies `text` into a host buffer of `size` bytes the way strncpy_s with
// _TRUNCATE does: at most size - 1 bytes, always followed by a NUL; nothing
// behind the terminator is written. A null buffer or a size below 1 gets
// nothing, since no terminator would fit.
void TruncatingCopy(std::string_view text, char* buffer, int size);

// The buffer size of CRkDatabaseListGetError: only the low 16 bits of the
// argument count, read as a signed number.
int LowSigned16(int size);

} // namespace rk::boundary
