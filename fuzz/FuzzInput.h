#pragma once
// A fuzz input, consumed front to back. Reads past its end give zero bytes,
// so every input, however short, drives a whole run.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace rk::fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) { }

    bool Empty() const { return m_size == 0; }
    std::size_t Remaining() const { return m_size; }

    // Copies up to `wanted` bytes into `out` and zero-fills the rest.
    void Take(void* out, std::size_t wanted)
    {
        const std::size_t n = std::min(wanted, m_size);
        std::memcpy(out, m_data, n);
        std::memset(static_cast<unsigned char*>(out) + n, 0, wanted - n);
        m_data += n;
        m_size -= n;
    }

    template <typename T>
    T Value()
    {
        T value{};
        Take(&value, sizeof value);
        return value;
    }

    std::uint8_t Byte() { return Value<std::uint8_t>(); }

    // The next `length` bytes (fewer at the end of the input).
    std::string Bytes(std::size_t length)
    {
        const std::size_t n = std::min(length, m_size);
        std::string bytes(reinterpret_cast<const char*>(m_data), n);
        m_data += n;
        m_size -= n;
        return bytes;
    }

    // A text of up to `maxLength` bytes, ended by a zero byte in the input
    // (which is consumed) or by the limit.
    std::string Text(std::size_t maxLength)
    {
        std::string text;
        while (m_size > 0 && text.size() < maxLength) {
            const char c = static_cast<char>(*m_data++);
            --m_size;
            if (c == '\0')
                break;
            text += c;
        }
        return text;
    }

    // The rest of the input.
    std::string Rest() { return Bytes(m_size); }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};

// Whether [begin, end) holds only `fill` bytes. Compared block by block:
// a loop per byte would be instrumented, and cost most of a run.
inline bool AllBytesAre(const char* begin, const char* end, char fill)
{
    static char block[4096];
    if (block[0] != fill)
        std::memset(block, fill, sizeof block);
    while (begin < end) {
        const std::size_t n = std::min(static_cast<std::size_t>(end - begin), sizeof block);
        if (std::memcmp(begin, block, n) != 0)
            return false;
        begin += n;
    }
    return true;
}

} // namespace rk::fuzz
