#include "header_layout.h"

#include <algorithm>

namespace {

constexpr std::size_t HeaderSize = 128;

std::string nameField(const ByteImage& header, std::size_t offset) {
    std::string name;
    for (std::size_t i = offset; i < offset + 16 && i < header.size() && header[i] != 0; ++i)
        name.push_back(static_cast<char>(header[i]));
    return name;
}

} // namespace

HeaderReading readHeader(const ByteImage& image) {
    const std::size_t count = std::min(image.size(), HeaderSize);
    ByteImage header(image.begin(), image.begin() + static_cast<long>(count));
    header.resize(HeaderSize, 0);
    const std::uint32_t w0 = wordAt(header, 0);
    HeaderReading reading;
    if (w0 == 0x464C457F) {
        const std::uint32_t e = wordAt(header, 28);
        const std::uint32_t p = e > 120 ? 0 : wordAt(header, e + 4);
        reading.kind = HeaderKind::Elf;
        reading.formatWord = p + 20 <= HeaderSize ? wordAt(header, p) : 0;
        reading.name = p + 20 <= HeaderSize ? nameField(header, p + 4) : "";
    } else if (w0 == 0x30C0DE01) {
        reading = {HeaderKind::Prg3, w0, nameField(header, 4)};
    } else if (header[3] == 0x35 && (header[2] == 0 || header[2] == 1)) {
        reading = {HeaderKind::Prg35, 0x3500, nameField(header, 4)};
    } else if (header[3] == 0x20) {
        reading = {HeaderKind::Ufif, w0, nameField(header, 4)};
    } else if (header[0] == 'L' && header[1] == 'I' && header[2] == 'B') {
        reading.kind = HeaderKind::Ufif2Library;
    } else if (header[0] == 'G' && header[1] == 'I' && header[2] == 'F') {
        reading.kind = HeaderKind::Gif;
    } else if (w0 == 0) {
        reading.kind = HeaderKind::Ringer;
        for (std::size_t i = 4; i + 1 < HeaderSize; i += 2) {
            const unsigned unit = header[i] | (header[i + 1] << 8);
            if (unit == 0)
                break;
            reading.name.push_back(static_cast<char>(unit));
        }
    } else if (header[7] == 0 && header[11] == 0 && header[15] == 0 && count > 16) {
        reading.kind = HeaderKind::Prg3Library;
        reading.formatWord = w0; // the library's version
    }
    return reading;
}

const char* headerKindName(HeaderKind kind) {
    switch (kind) {
    case HeaderKind::Elf:
        return "ELF";
    case HeaderKind::Prg3:
        return "PRG 3";
    case HeaderKind::Prg35:
        return "PRG 3.5";
    case HeaderKind::Ufif:
        return "UFIF";
    case HeaderKind::Ufif2Library:
        return "UFIF2 library";
    case HeaderKind::Gif:
        return "GIF";
    case HeaderKind::Ringer:
        return "ringer";
    case HeaderKind::Prg3Library:
        return "PRG3 library";
    case HeaderKind::Data:
        return "data";
    }
    return "?";
}
