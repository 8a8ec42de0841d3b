#include "JsonOutput.h"

namespace rkdb2 {

Json JsonText(const std::string& bytes)
{
    std::string utf8;
    utf8.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80) {
            utf8 += ch;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return Json(std::move(utf8));
}

std::string JsonDocument(const Json& document) { return document.dump(2, ' ', true) + "\n"; }

} // namespace rkdb2
