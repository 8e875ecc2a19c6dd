#include "platform/int_text.h"

#include "platform/zav_error.h"

const char* const InvalidIntegerText = "'%s' is not a valid integer value";

namespace {

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// At most eight digits, leading zeros included: any 32-bit pattern, nothing longer.
constexpr std::size_t MaxHexDigits = 8;

std::optional<std::int32_t> parseHexDigits(const std::string& text, std::size_t at) {
    if (at >= text.size() || text.size() - at > MaxHexDigits)
        return std::nullopt;
    std::uint32_t value = 0;
    for (; at < text.size(); ++at) {
        const int digit = hexDigitValue(text[at]);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> parseDecimalDigits(const std::string& text, std::size_t at,
                                               bool negative) {
    if (at >= text.size())
        return std::nullopt;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

} // namespace

std::optional<std::int32_t> tryParseIntText(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ')
        ++at;
    if (at >= text.size())
        return std::nullopt;
    const char first = text[at];
    if (first == '$' || first == 'x' || first == 'X')
        return parseHexDigits(text, at + 1);
    if (first == '0' && at + 1 < text.size() && (text[at + 1] == 'x' || text[at + 1] == 'X'))
        return parseHexDigits(text, at + 2);
    if (first == '+' || first == '-')
        return parseDecimalDigits(text, at + 1, first == '-');
    return parseDecimalDigits(text, at, false);
}

std::int32_t parseIntText(const std::string& text) {
    if (const auto value = tryParseIntText(text))
        return *value;
    throw ZavError(formatMessage(InvalidIntegerText, text));
}
