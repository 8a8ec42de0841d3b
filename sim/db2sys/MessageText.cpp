#include "MessageText.h"

#include <algorithm>
#include <cstring>

namespace rk::sim {

std::vector<std::string> SqlcaTokens(const db2::Sqlca& ca)
{
    const std::int16_t declared = bytes::ReadI16(ca.bytes, db2::kSqlcaErrmlOffset);
    const auto length =
        std::min<std::size_t>(static_cast<std::size_t>(std::max<std::int16_t>(declared, 0)), db2::kSqlcaErrmc.width);
    const auto* begin = reinterpret_cast<const char*>(ca.bytes + db2::kSqlcaErrmc.offset);
    const std::string all(begin, length);
    std::vector<std::string> tokens;
    std::size_t start = 0;
    for (;;) {
        const std::size_t separator = all.find(static_cast<char>(db2::kSqlcaTokenSeparator), start);
        tokens.push_back(all.substr(start, separator - start));
        if (separator == std::string::npos)
            break;
        start = separator + 1;
    }
    return tokens;
}

std::string InsertTokens(const std::string& text, const std::vector<std::string>& tokens)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[i + 1] - '1');
            if (index < tokens.size())
                result += tokens[index];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string BreakLines(const std::string& text, std::size_t width, const std::string& lineBreak)
{
    if (width == 0)
        return text;
    std::string result;
    std::size_t position = 0;
    while (text.size() - position > width) {
        // The last blank that leaves at most `width` characters on the line.
        std::size_t cut = text.rfind(' ', position + width);
        std::size_t lineEnd = (cut == std::string::npos || cut < position) ? position : cut;
        while (lineEnd > position && text[lineEnd - 1] == ' ')
            --lineEnd;
        if (lineEnd == position) { // no blank to break at: split the word
            lineEnd = position + width;
            cut = lineEnd;
        }
        result += text.substr(position, lineEnd - position) + lineBreak;
        position = cut;
        while (position < text.size() && text[position] == ' ')
            ++position;
    }
    return result + text.substr(position);
}

int CopyToBuffer(const std::string& text, char* buffer, short bufferSize)
{
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(bufferSize) - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

} // namespace rk::sim
