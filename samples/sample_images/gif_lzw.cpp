#include "sample_images/gif_lzw.h"

#include <unordered_map>

namespace {

constexpr std::uint32_t MaxCodeWidth = 12;
// The last code a table may hand out before it has to be cleared; stopping one short of 4096
// keeps clear of decoders that grow the width early.
constexpr std::uint32_t LastTableCode = (1u << MaxCodeWidth) - 1;

class BitPacker {
  public:
    explicit BitPacker(ByteImage& out) : out_(out) {}

    void write(std::uint32_t code, std::uint32_t width) {
        bits_ |= code << count_;
        count_ += width;
        while (count_ >= 8) {
            out_.push_back(static_cast<std::uint8_t>(bits_));
            bits_ >>= 8;
            count_ -= 8;
        }
    }

    void flush() {
        if (count_ > 0)
            out_.push_back(static_cast<std::uint8_t>(bits_));
        bits_ = 0;
        count_ = 0;
    }

  private:
    ByteImage& out_;
    std::uint32_t bits_ = 0;
    std::uint32_t count_ = 0;
};

class LzwTable {
  public:
    explicit LzwTable(int minCodeSize)
        : clearCode_(1u << minCodeSize), firstWidth_(static_cast<std::uint32_t>(minCodeSize) + 1) {
        reset();
    }

    void reset() {
        entries_.clear();
        width_ = firstWidth_;
        highest_ = clearCode_ + 1; // the end-of-information code
        overflow_ = clearCode_ << 1;
    }

    // The code for prefix followed by index, or -1 when the table lacks it.
    long find(std::uint32_t prefix, std::uint8_t index) const {
        const auto it = entries_.find(key(prefix, index));
        return it == entries_.end() ? -1 : static_cast<long>(it->second);
    }

    // Takes the next code, as the decoder does after every code but the first; the width grows
    // when the new code no longer fits. Returns false when the table is full and must be
    // cleared instead.
    bool advance() {
        ++highest_;
        if (highest_ == overflow_) {
            ++width_;
            overflow_ <<= 1;
        }
        return highest_ < LastTableCode;
    }

    void add(std::uint32_t prefix, std::uint8_t index) { entries_[key(prefix, index)] = highest_; }

    std::uint32_t width() const { return width_; }
    std::uint32_t clearCode() const { return clearCode_; }
    std::uint32_t endCode() const { return clearCode_ + 1; }

  private:
    static std::uint32_t key(std::uint32_t prefix, std::uint8_t index) {
        return (prefix << 8) | index;
    }

    std::unordered_map<std::uint32_t, std::uint32_t> entries_;
    std::uint32_t clearCode_;
    std::uint32_t firstWidth_;
    std::uint32_t width_ = 0;
    std::uint32_t highest_ = 0;
    std::uint32_t overflow_ = 0;
};

} // namespace

ByteImage lzwEncode(const std::vector<std::uint8_t>& indices, int minCodeSize) {
    ByteImage out;
    BitPacker packer(out);
    LzwTable table(minCodeSize);
    packer.write(table.clearCode(), table.width());
    if (indices.empty()) {
        packer.write(table.endCode(), table.width());
        packer.flush();
        return out;
    }

    std::uint32_t prefix = indices.front();
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const std::uint8_t index = indices[i];
        const long found = table.find(prefix, index);
        if (found >= 0) {
            prefix = static_cast<std::uint32_t>(found);
            continue;
        }
        packer.write(prefix, table.width());
        if (table.advance()) {
            table.add(prefix, index);
        } else {
            packer.write(table.clearCode(), table.width());
            table.reset();
        }
        prefix = index;
    }
    packer.write(prefix, table.width());
    table.advance();
    packer.write(table.endCode(), table.width());
    packer.flush();
    return out;
}
