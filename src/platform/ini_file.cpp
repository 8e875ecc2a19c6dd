#include "platform/ini_file.h"

#include "platform/file_io.h"
#include "platform/int_text.h"
#include "platform/zav_error.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <vector>

const char* const UnableToWriteText = "Unable to write to %s";

namespace {

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// "[Name]" gives Name; any other line gives nothing.
std::optional<std::string> sectionName(const std::string& line) {
    const std::string t = trim(line);
    if (t.size() < 2 || t.front() != '[' || t.back() != ']')
        return std::nullopt;
    return trim(t.substr(1, t.size() - 2));
}

// "Key=Value" gives Key; comments and other lines give nothing.
std::optional<std::string> keyName(const std::string& line) {
    const std::string t = trim(line);
    if (t.empty() || t.front() == ';')
        return std::nullopt;
    const auto eq = t.find('=');
    if (eq == std::string::npos)
        return std::nullopt;
    return trim(t.substr(0, eq));
}

std::vector<std::string> linesOf(const std::string& path) {
    try {
        return readTextLines(path);
    } catch (const ZavError&) {
        return {};
    }
}

} // namespace

std::optional<std::string> IniFile::readString(const std::string& section,
                                               const std::string& key) const {
    bool inSection = false;
    for (const auto& line : linesOf(path_)) {
        if (const auto name = sectionName(line)) {
            inSection = sameName(*name, section);
        } else if (inSection) {
            const auto k = keyName(line);
            if (k && sameName(*k, key))
                return trim(line.substr(line.find('=') + 1));
        }
    }
    return std::nullopt;
}

std::int32_t IniFile::readInteger(const std::string& section, const std::string& key,
                                  std::int32_t defaultValue) const {
    const auto text = readString(section, key);
    if (!text)
        return defaultValue;
    return tryParseIntText(*text).value_or(defaultValue);
}

void IniFile::writeString(const std::string& section, const std::string& key,
                          const std::string& value) {
    std::vector<std::string> lines = linesOf(path_);
    const std::string entry = key + "=" + value;
    bool inSection = false;
    std::optional<std::size_t> sectionEnd;
    bool written = false;
    for (std::size_t i = 0; i < lines.size() && !written; ++i) {
        if (const auto name = sectionName(lines[i])) {
            if (inSection)
                break;
            inSection = sameName(*name, section);
            if (inSection)
                sectionEnd = i + 1;
        } else if (inSection) {
            const auto k = keyName(lines[i]);
            if (k && sameName(*k, key)) {
                lines[i] = entry;
                written = true;
            } else if (!trim(lines[i]).empty()) {
                sectionEnd = i + 1;
            }
        }
    }
    if (!written) {
        if (sectionEnd) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*sectionEnd), entry);
        } else {
            lines.push_back("[" + section + "]");
            lines.push_back(entry);
        }
    }
    replaceFile(lines);
}

void IniFile::replaceFile(const std::vector<std::string>& lines) const {
    // The new text goes to a file beside the old one, which it then replaces in one step: a
    // write that fails half-way leaves the old settings whole.
    const std::string staging = path_ + ".new";
    std::error_code ignored;
    try {
        writeTextLinesCrlf(staging, lines);
    } catch (const ZavError&) {
        std::filesystem::remove(staging, ignored);
        throw ZavError(formatMessage(UnableToWriteText, path_));
    }
    std::error_code renamed;
    std::filesystem::rename(staging, path_, renamed);
    if (renamed) {
        std::filesystem::remove(staging, ignored);
        throw ZavError(formatMessage(UnableToWriteText, path_));
    }
}

void IniFile::writeInteger(const std::string& section, const std::string& key,
                           std::int32_t value) {
    writeString(section, key, std::to_string(value));
}
