#pragma once

// Shared by the transfer command tests: program images built here, and a fixture that runs the
// context menu's commands the way the menu offers them.

#include "manager_fixture.h"
#include "numbered_bytes.h"
#include "phone_call_sequences.h"

#include "link/link_idle.h"
#include "platform/little_endian.h"
#include "sections/section_table.h"
#include "shell/main_form.h"
#include "transfer/picture_viewer.h"

#include <QAction>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace transfer_test {

using Bytes = std::vector<std::uint8_t>;
using Messages = std::vector<ShownMessage>;
using Texts = std::vector<std::string>;

const ShownMessage Success{"Section uploaded sucsessfully!", "OK!"};
const ShownMessage CantInit{"Can't Init GPB Mode", "ERROR"};

constexpr std::uint32_t Ufif20Word = 0x20000000;
constexpr std::uint32_t Ufif21Word = 0x20010000;

// Words of an image, refused past its end rather than written or read beyond it.
inline void putWord(Bytes& image, std::size_t at, std::uint32_t word) {
    if (!wordFits(at, image.size()))
        throw std::out_of_range("word past the end of the image");
    writeWordLe(image.data(), at, word);
}

inline std::uint32_t wordAt(const Bytes& image, std::size_t at) {
    if (!wordFits(at, image.size()))
        throw std::out_of_range("word past the end of the image");
    return readWordLe(image.data(), at);
}

// Bytes that resemble no header the program knows, each byte telling its offset apart.
inline Bytes plainData(std::size_t length) {
    Bytes data = numberedBytes(length);
    if (length >= 4)
        putWord(data, 0, 0x41544144); // "DATA"
    return data;
}

// A raw UFIF program: format word, name, then a body with one fixed address word (offset 20)
// and the model-dependent word (offset 24), the two words every conversion rewrites.
inline Bytes ufifProgram(std::uint32_t formatWord, std::size_t length = 64) {
    Bytes image = plainData(length);
    putWord(image, 0, formatWord);
    const char name[] = "Clock";
    std::fill(image.begin() + 4, image.begin() + 20, 0);
    std::copy(name, name + 5, image.begin() + 4);
    putWord(image, 20, 0x36AC74);
    putWord(image, 24, 0x820000);
    return image;
}

// An ELF program whose first segment, at offset 84, starts with a UFIF header.
constexpr std::size_t ElfSegment = 84;
inline Bytes elfProgram(std::uint32_t formatWord, std::uint32_t programHeaderOffset = 52) {
    Bytes image = plainData(160);
    putWord(image, 0, 0x464C457F);
    putWord(image, 28, programHeaderOffset);
    putWord(image, 56, ElfSegment);
    putWord(image, ElfSegment, formatWord);
    putWord(image, ElfSegment + 20, 0x36AC74);
    return image;
}

// The address word at offset 20 and the model word at 24 after conversion for a target base.
constexpr std::uint32_t OldBase = 0x36A658;
inline std::uint32_t movedAddress(std::uint32_t address, std::uint32_t base) {
    return address - OldBase + base;
}

// Runs the transfer commands as the context menu starts them, with the current folder set to
// the test's temporary folder (the scratch files land there) and a viewer that only records.
class TransferFixture : public ManagerFixture {
protected:
    void SetUp() override {
        ManagerFixture::SetUp();
        folder_.emplace(temp.path());
        setPictureViewer([this](const std::string& name) {
            viewed.push_back({name, readBytes(temp.path() / name)});
        });
    }

    void TearDown() override {
        setPictureViewer({});
        folder_.reset();
        ManagerFixture::TearDown();
    }

    // What a probe with the additional info ticked would have recorded for a program.
    void showProgramInRow(int row, std::uint32_t formatWord, std::int32_t size) {
        SectionTable[static_cast<std::size_t>(row)] = {SectionKind::Program, "Clock", formatWord,
                                                       size};
    }

    struct Viewed {
        std::string name;
        Bytes contentThen; // the file as the viewer found it
    };
    std::vector<Viewed> viewed;

private:
    std::optional<ScopedCurrentFolder> folder_;
};

} // namespace transfer_test
