#include "mod/prg3_library_text.h"

#include "platform/int_text.h"
#include "platform/little_endian.h"
#include "platform/text_decoding.h"

const char* const ReleaseMarker = "RELEASE=";

namespace {

// Only one character after the "=" is read, so "RELEASE=12" gives 1: that is how the mod's
// library files have always been read.
std::uint32_t releaseWord(const std::string& line) {
    const std::size_t equals = line.find('=');
    // A character that is no digit is named whole in the error, whatever its encoding.
    return static_cast<std::uint32_t>(parseIntText(characterAt(line, equals + 1)));
}

// An entry's address is normally bare hex ("1A2B"); prefixed hex and signed decimal are
// accepted too. Anything else (comments, names, blank-led lines) gives no word.
std::optional<std::uint32_t> entryWord(const std::string& line) {
    const std::size_t blank = line.find(' ');
    if (blank == std::string::npos || blank == 0)
        return std::nullopt;
    const std::string token = line.substr(0, blank);
    auto value = tryParseIntText("0x" + token);
    if (!value)
        value = tryParseIntText(token);
    if (!value)
        return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

} // namespace

std::optional<std::uint32_t> prg3LineWord(const std::string& line) {
    if (line.find(ReleaseMarker) != std::string::npos)
        return releaseWord(line);
    return entryWord(line);
}

Prg3LibraryImage buildPrg3LibraryImage(const std::vector<std::string>& lines) {
    Prg3LibraryImage image;
    for (const auto& line : lines) {
        const auto word = prg3LineWord(line);
        if (!word)
            continue;
        image.words.push_back(*word);
        if (image.words.size() > MaxPrg3LibraryWords) {
            image.tooBig = true;
            break;
        }
    }
    return image;
}

Bytes prg3LibraryBytes(const std::vector<std::uint32_t>& words) {
    Bytes bytes(words.size() * 4);
    for (std::size_t i = 0; i < words.size(); ++i)
        writeWordLe(bytes.data(), i * 4, words[i]);
    return bytes;
}
