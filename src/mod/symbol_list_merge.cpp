#include "mod/symbol_list_merge.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <unordered_map>

namespace {

bool isHeaderLine(const std::string& line) {
    return !line.empty() && line[0] == '#';
}

std::size_t headerLength(const std::vector<std::string>& lines) {
    const auto end = std::find_if_not(lines.begin(), lines.end(), isHeaderLine);
    return static_cast<std::size_t>(end - lines.begin());
}

// 1-based position of a match, 0 when there is none.
std::int64_t position(std::size_t found) {
    return found == std::string::npos ? 0 : static_cast<std::int64_t>(found) + 1;
}

} // namespace

std::string symbolAddress(const std::string& line) {
    const std::size_t blank = line.find(' ');
    return blank == std::string::npos ? std::string() : line.substr(0, blank);
}

std::string symbolName(const std::string& line) {
    const std::int64_t length = static_cast<std::int64_t>(line.size());
    const std::int64_t p = position(line.find(' '));
    const std::int64_t q = position(line.find(" #"));
    const std::int64_t count = length - q - 2;
    if (count < 1 || p + 1 > length)
        return {};
    return line.substr(static_cast<std::size_t>(p), static_cast<std::size_t>(count));
}

std::vector<std::string> mergeSymbolLists(const std::vector<std::string>& reference,
                                          const std::vector<std::string>& source) {
    std::vector<std::string> output(
        source.begin(), source.begin() + static_cast<std::ptrdiff_t>(headerLength(source)));

    // Lists run to thousands of entries, so each name's first source line is looked up once.
    std::unordered_map<std::string, std::size_t> firstSourceLine;
    for (std::size_t s = 0; s < source.size(); ++s)
        firstSourceLine.emplace(symbolName(source[s]), s);

    for (std::size_t r = headerLength(reference); r < reference.size(); ++r) {
        const std::string name = symbolName(reference[r]);
        if (name.empty())
            continue;
        const auto found = firstSourceLine.find(name);
        if (found != firstSourceLine.end())
            output.push_back(symbolAddress(source[found->second]) + " " + name);
    }
    return output;
}
