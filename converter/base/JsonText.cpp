#include "base/JsonText.h"

namespace {

const char hexDigits[] = "0123456789abcdef";

std::string unicodeEscape(unsigned char byte) {
    return std::string("\\u00") + hexDigits[byte >> 4] + hexDigits[byte & 0x0f];
}

bool isContinuation(unsigned char byte) { return (byte & 0xc0) == 0x80; }

// The length of the valid UTF-8 sequence at text[at], or 0 when none starts
// there. Overlong forms, surrogates and code points past U+10FFFF are
// invalid.
std::size_t utf8Length(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = lead < 0xc2 ? 0 : lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : lead < 0xf5 ? 4 : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if (!isContinuation(byte(i)))
            return 0;
    if ((lead == 0xe0 && byte(1) < 0xa0) || (lead == 0xed && byte(1) >= 0xa0) || (lead == 0xf0 && byte(1) < 0x90) ||
        (lead == 0xf4 && byte(1) >= 0x90))
        return 0;
    return length;
}

}  // namespace

std::string jsonString(const std::string& bytes) {
    std::string json = "\"";
    for (std::size_t at = 0; at < bytes.size();) {
        const unsigned char byte = static_cast<unsigned char>(bytes[at]);
        if (byte == '"' || byte == '\\') {
            json += '\\';
            json += static_cast<char>(byte);
        } else if (byte < 0x20) {
            json += unicodeEscape(byte);
        } else if (byte >= 0x80) {
            std::size_t length = utf8Length(bytes, at);
            if (length == 0) {
                json += unicodeEscape(byte);
            } else {
                json.append(bytes, at, length);
                at += length;
                continue;
            }
        } else {
            json += static_cast<char>(byte);
        }
        ++at;
    }
    return json + "\"";
}
