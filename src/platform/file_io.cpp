#include "platform/file_io.h"

#include "platform/zav_error.h"

#include <filesystem>
#include <fstream>
#include <iterator>

const char* const CannotOpenFileText = "Cannot open file %s";
const char* const CannotCreateFileText = "Cannot create file %s";

namespace {

std::ifstream openForReading(const std::string& path) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        throw ZavError(formatMessage(CannotOpenFileText, path));
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ZavError(formatMessage(CannotOpenFileText, path));
    return in;
}

std::ofstream openForWriting(const std::string& path) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        throw ZavError(formatMessage(CannotCreateFileText, path));
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw ZavError(formatMessage(CannotCreateFileText, path));
    return out;
}

void finishWriting(std::ofstream& out, const std::string& path) {
    out.close();
    if (!out)
        throw ZavError(formatMessage(CannotCreateFileText, path));
}

} // namespace

FilePrefix readFilePrefix(const std::string& path, std::size_t maxBytes) {
    std::ifstream in = openForReading(path);
    in.seekg(0, std::ios::end);
    const std::streamoff end = in.tellg();
    in.seekg(0, std::ios::beg);
    if (end < 0)
        throw ZavError(formatMessage(CannotOpenFileText, path));
    FilePrefix result;
    result.fileLength = static_cast<std::uint64_t>(end);
    const std::size_t wanted =
        result.fileLength < maxBytes ? static_cast<std::size_t>(result.fileLength) : maxBytes;
    result.bytes.resize(wanted);
    if (wanted > 0)
        in.read(reinterpret_cast<char*>(result.bytes.data()), static_cast<std::streamsize>(wanted));
    result.bytes.resize(static_cast<std::size_t>(in.gcount() < 0 ? 0 : in.gcount()));
    return result;
}

void writeFileBytes(const std::string& path, const std::uint8_t* data, std::size_t length) {
    std::ofstream out = openForWriting(path);
    if (length > 0)
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(length));
    finishWriting(out, path);
}

std::vector<std::string> splitTextLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

std::vector<std::string> readTextLines(const std::string& path) {
    std::ifstream in = openForReading(path);
    try {
        const std::string text{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
        return splitTextLines(text);
    } catch (const std::ios_base::failure&) {
        throw ZavError(formatMessage(CannotOpenFileText, path));
    }
}

void writeTextLinesCrlf(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out = openForWriting(path);
    for (const auto& line : lines)
        out << line << "\r\n";
    finishWriting(out, path);
}
