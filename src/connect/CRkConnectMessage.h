#pragma once
// The message output of the connection test: the rendered CLI diagnostics,
// written block by block into the host's buffer. The host passes no size, so
// the text is held within kCapacity bytes, terminator included: room for the
// open block's trailer is always kept, a record that would not fit ends its
// block, and a block whose trailer would not fit is left out.

#include <cstddef>
#include <cstdint>
#include <string>

#include "rkdb2rova.h"

class CRkConnectMessage {
public:
    // The write position is a signed 16-bit count, so the text stays below 32,768 bytes.
    static constexpr int kCapacity = RKDB2_CONNECT_MESSAGE_MAX;
    static_assert(kCapacity - 1 <= INT16_MAX, "the write position must reach the last byte");

    static constexpr char kTrailer[] = "\n-------------------------\n";
    static constexpr std::size_t kTrailerLength = sizeof kTrailer - 1;

    // Nothing is written until the first block or Clear.
    explicit CRkConnectMessage(char* output) : m_pOutput(output) { }

    // Empties the message: a terminator at the start.
    void Clear();

    // Opens a block. False when not even its trailer fits; the block is then
    // left out entirely and no record may be appended.
    bool BeginBlock();
    // Appends one diagnostic record to the open block. False when the record
    // does not fit beside the trailer: it is not written, and the block must
    // end now.
    bool AppendRecord(const char* sqlstate, std::int32_t nativeError, const char* text);
    // Closes the open block with its trailer.
    void EndBlock();

    // The bytes written so far, terminator excluded.
    int Length() const { return m_nWritePosition; }

    // A record as it appears in the message.
    static std::string FormatRecord(const char* sqlstate, std::int32_t nativeError, const char* text);

private:
    bool Fits(std::size_t pieceLength, std::size_t reserved) const;
    // Writes at the write position, advances it, and terminates the text.
    void Write(const char* piece, std::size_t length);

    char* m_pOutput;
    std::int16_t m_nWritePosition = 0;
};
