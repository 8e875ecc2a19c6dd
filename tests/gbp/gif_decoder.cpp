#include "gif_decoder.h"

#include <vector>

namespace {

class Reader {
  public:
    explicit Reader(const ByteImage& bytes) : bytes_(bytes) {}
    bool has(std::size_t count) const { return bytes_.size() - position_ >= count; }
    std::uint8_t byte() { return has(1) ? bytes_[position_++] : (failed_ = true, 0); }
    std::uint16_t halfWord() {
        const std::uint16_t low = byte();
        return static_cast<std::uint16_t>(low | (byte() << 8));
    }
    bool failed() const { return failed_; }
    bool atEnd() const { return position_ == bytes_.size(); }

    // The data of a chain of sub-blocks up to its zero terminator.
    ByteImage subBlocks() {
        ByteImage data;
        for (std::uint8_t size = byte(); size != 0 && !failed_; size = byte())
            for (std::uint8_t i = 0; i < size; ++i)
                data.push_back(byte());
        return data;
    }

  private:
    const ByteImage& bytes_;
    std::size_t position_ = 0;
    bool failed_ = false;
};

std::optional<std::vector<std::uint8_t>> lzwDecode(const ByteImage& data, int minCodeSize,
                                                   std::size_t pixelCount) {
    const unsigned clear = 1u << minCodeSize;
    const unsigned end = clear + 1;
    std::vector<std::vector<std::uint8_t>> table;
    unsigned width = 0;
    const auto reset = [&] {
        table.assign(clear + 2, {});
        for (unsigned i = 0; i < clear; ++i)
            table[i] = {static_cast<std::uint8_t>(i)};
        width = static_cast<unsigned>(minCodeSize) + 1;
    };
    reset();

    std::vector<std::uint8_t> out;
    std::size_t bitPosition = 0;
    const auto nextCode = [&]() -> std::optional<unsigned> {
        if (bitPosition + width > data.size() * 8)
            return std::nullopt;
        unsigned code = 0;
        for (unsigned i = 0; i < width; ++i, ++bitPosition)
            code |= ((data[bitPosition / 8] >> (bitPosition % 8)) & 1u) << i;
        return code;
    };

    // A plain flag and index: GCC misreads an optional here as maybe-uninitialised.
    bool hasPrevious = false;
    unsigned previous = 0;
    for (;;) {
        const auto code = nextCode();
        if (!code)
            return std::nullopt; // no end code
        if (*code == clear) {
            reset();
            hasPrevious = false;
            continue;
        }
        if (*code == end)
            break;
        std::vector<std::uint8_t> entry;
        if (*code < table.size() && !table[*code].empty()) {
            entry = table[*code];
        } else if (hasPrevious && *code == table.size()) {
            entry = table[previous];
            entry.push_back(table[previous][0]);
        } else {
            return std::nullopt;
        }
        if (hasPrevious && table.size() < 4096) {
            std::vector<std::uint8_t> added = table[previous];
            added.push_back(entry[0]);
            table.push_back(added);
            if (table.size() == (1u << width) && width < 12)
                ++width;
        }
        out.insert(out.end(), entry.begin(), entry.end());
        previous = *code;
        hasPrevious = true;
    }
    if (out.size() != pixelCount)
        return std::nullopt;
    return out;
}

} // namespace

std::optional<DecodedGif> decodeGif(const ByteImage& file) {
    Reader in(file);
    DecodedGif gif;
    for (int i = 0; i < 6; ++i)
        gif.signature.push_back(static_cast<char>(in.byte()));
    gif.picture.width = in.halfWord();
    gif.picture.height = in.halfWord();
    const std::uint8_t flags = in.byte();
    in.byte(); // background
    in.byte(); // aspect
    if (flags & 0x80) {
        const std::size_t colours = std::size_t{2} << (flags & 7);
        for (std::size_t i = 0; i < colours; ++i)
            gif.picture.palette.push_back({in.byte(), in.byte(), in.byte()});
    }
    while (!in.failed()) {
        const std::uint8_t introducer = in.byte();
        if (introducer == 0x21) {
            in.byte(); // label
            in.subBlocks();
        } else if (introducer == 0x2C) {
            in.halfWord();
            in.halfWord();
            const std::uint16_t width = in.halfWord();
            const std::uint16_t height = in.halfWord();
            const std::uint8_t imageFlags = in.byte();
            if (imageFlags & 0xC0) // local tables and interlacing are not needed here
                return std::nullopt;
            const int minCodeSize = in.byte();
            if (minCodeSize < 2 || minCodeSize > 8)
                return std::nullopt;
            const ByteImage data = in.subBlocks();
            if (in.failed() || width != gif.picture.width || height != gif.picture.height)
                return std::nullopt;
            auto pixels = lzwDecode(data, minCodeSize, std::size_t{width} * height);
            if (!pixels)
                return std::nullopt;
            gif.picture.pixels = std::move(*pixels);
        } else if (introducer == 0x3B) {
            gif.endsWithTrailer = in.atEnd();
            return gif.picture.pixels.empty() ? std::nullopt : std::optional(gif);
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}
