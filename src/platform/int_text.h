#pragma once

#include <cstdint>
#include <optional>
#include <string>

// How a number typed into an edit or read from a text line becomes a signed 32-bit integer:
// leading blanks are skipped; then either an optional sign and decimal digits within the
// signed 32-bit range, or (without a sign) one to eight hexadecimal digits after "$", "x", "X",
// "0x" or "0X". Nothing may follow the digits.
std::optional<std::int32_t> tryParseIntText(const std::string& text);

// As tryParseIntText, but a text that is not a number raises
// "'<text>' is not a valid integer value".
std::int32_t parseIntText(const std::string& text);

extern const char* const InvalidIntegerText; // "'%s' is not a valid integer value"
