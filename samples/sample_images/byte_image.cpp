#include "sample_images/byte_image.h"

#include "platform/little_endian.h"

#include <algorithm>
#include <fstream>

void appendWord(ByteImage& image, std::uint32_t word) {
    const std::size_t offset = image.size();
    image.resize(offset + 4);
    writeWordLe(image.data(), offset, word);
}

void appendHalfWord(ByteImage& image, std::uint16_t unit) {
    image.push_back(static_cast<std::uint8_t>(unit));
    image.push_back(static_cast<std::uint8_t>(unit >> 8));
}

void appendBytes(ByteImage& image, std::string_view bytes) {
    image.insert(image.end(), bytes.begin(), bytes.end());
}

void appendTextField(ByteImage& image, std::string_view text, std::size_t fieldSize) {
    const std::size_t kept = std::min(text.size(), fieldSize);
    appendBytes(image, text.substr(0, kept));
    image.insert(image.end(), fieldSize - kept, 0);
}

std::uint32_t wordAt(const ByteImage& image, std::size_t offset) {
    return wordFits(offset, image.size()) ? readWordLe(image.data(), offset) : 0;
}

bool writeByteImage(const std::filesystem::path& path, const ByteImage& image) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()),
              static_cast<std::streamsize>(image.size()));
    out.close();
    return static_cast<bool>(out);
}
