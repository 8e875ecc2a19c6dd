#include "platform/text_decoding.h"

namespace {

// Code points of the bytes 0x80 to 0xBF in Windows-1251 (0xC0 to 0xFF are U+0410 to U+044F).
constexpr char16_t HighHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

} // namespace

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string decodeWindows1251(const std::uint8_t* bytes, std::size_t length) {
    std::string out;
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint8_t b = bytes[i];
        if (b < 0x80)
            appendUtf8(out, b);
        else if (b < 0xC0)
            appendUtf8(out, HighHalf[b - 0x80]);
        else
            appendUtf8(out, 0x0410 + (b - 0xC0));
    }
    return out;
}

std::string decodeUtf16Le(const std::uint8_t* bytes, std::size_t maxUnits) {
    std::string out;
    for (std::size_t i = 0; i < maxUnits; ++i) {
        const char16_t unit = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        if (unit == 0)
            break;
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < maxUnits) {
            const char16_t low =
                static_cast<char16_t>(bytes[2 * i + 2] | (bytes[2 * i + 3] << 8));
            if (low >= 0xDC00 && low < 0xE000) {
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        appendUtf8(out, (unit >= 0xD800 && unit < 0xE000) ? 0xFFFD : unit);
    }
    return out;
}

namespace {

// How many bytes a UTF-8 sequence with this lead byte has; 0 for a byte that cannot lead one.
std::size_t utf8SequenceLength(std::uint8_t lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

} // namespace

std::string characterAt(const std::string& text, std::size_t at) {
    if (at >= text.size())
        return {};
    const auto lead = static_cast<std::uint8_t>(text[at]);
    const std::size_t length = utf8SequenceLength(lead);
    bool whole = length > 0 && length <= text.size() - at;
    for (std::size_t i = 1; whole && i < length; ++i)
        whole = (static_cast<std::uint8_t>(text[at + i]) & 0xC0) == 0x80;
    if (whole)
        return text.substr(at, length);
    return decodeWindows1251(&lead, 1);
}
