#include "mod/prg3_library_text.h"
#include "platform/zav_error.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct LineCase {
    const char* line;
    std::optional<std::uint32_t> word;
    const char* error; // the message raised, or nullptr
};

const LineCase LineCases[] = {
    // release lines: one character after the first "="
    {"RELEASE=3", 3, nullptr},
    {"RELEASE=12", 1, nullptr},
    {"X=1 RELEASE=4", 1, nullptr},
    {"#RELEASE=2", 2, nullptr},
    {"RELEASE=0x5", 0, nullptr},
    {"RELEASE=", std::nullopt, "'' is not a valid integer value"},
    {"RELEASE=x", std::nullopt, "'x' is not a valid integer value"},
    {"RELEASE=\xC3\xA9", std::nullopt, "'\xC3\xA9' is not a valid integer value"}, // UTF-8
    {"RELEASE=\xE9", std::nullopt, "'\xD0\xB9' is not a valid integer value"},     // 8-bit
    {"RELEASE= 5", std::nullopt, "' ' is not a valid integer value"},
    {"a=b RELEASE=7", std::nullopt, "'b' is not a valid integer value"},
    {"release=3 x", std::nullopt, nullptr},
    {"RELEASE 3", std::nullopt, nullptr},
    // entry lines: bare hex first
    {"1A2B printf", 0x1A2B, nullptr},
    {"1A2B ", 0x1A2B, nullptr},
    {"1a2b  two blanks", 0x1A2B, nullptr},
    {"10 x", 0x10, nullptr},
    {"ffffffff x", 0xFFFFFFFF, nullptr},
    {"0 x", 0, nullptr},
    // then the integer text rule
    {"100000000 x", 100000000, nullptr},
    {"000000010 x", 10, nullptr}, // nine digits are too many for hex
    {"$1F x", 0x1F, nullptr},
    {"0x1F x", 0x1F, nullptr},
    {"X1F x", 0x1F, nullptr},
    {"-5 x", 0xFFFFFFFB, nullptr},
    {"+7 x", 7, nullptr},
    {"-2147483648 x", 0x80000000, nullptr},
    // no word
    {"1A2B", std::nullopt, nullptr},
    {"1A2B\tname", std::nullopt, nullptr},
    {"12G4 x", std::nullopt, nullptr},
    {"999999999999 x", std::nullopt, nullptr},
    {"$ x", std::nullopt, nullptr},
    {"# list", std::nullopt, nullptr},
    {"#", std::nullopt, nullptr},
    {" 1A2B x", std::nullopt, nullptr},
    {" ", std::nullopt, nullptr},
    {"", std::nullopt, nullptr},
    {"printf 1A2B", std::nullopt, nullptr},
};

TEST(Prg3LibraryText, WordOfEachLine) {
    for (const auto& c : LineCases) {
        SCOPED_TRACE(std::string("line: '") + c.line + "'");
        if (c.error) {
            try {
                prg3LineWord(c.line);
                ADD_FAILURE() << "no error raised";
            } catch (const ZavError& e) {
                EXPECT_STREQ(e.what(), c.error);
            }
        } else {
            EXPECT_EQ(prg3LineWord(c.line), c.word);
        }
    }
}

std::vector<std::string> entryLines(std::size_t count) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < count; ++i)
        lines.push_back(std::to_string(i) + " sym");
    return lines;
}

std::vector<std::string> concat(std::vector<std::string> head,
                                const std::vector<std::string>& middle,
                                const std::vector<std::string>& tail = {}) {
    head.insert(head.end(), middle.begin(), middle.end());
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

struct ImageCase {
    const char* name;
    std::vector<std::string> lines;
    std::size_t wordCount;
    bool tooBig;
};

const ImageCase ImageCases[] = {
    {"empty file", {}, 0, false},
    {"only comments", {"# PRG3 library", "#", "# end"}, 0, false},
    {"512 entries fit", entryLines(512), 512, false},
    {"512 entries among comments fit", concat({"# head"}, entryLines(512), {"", "# tail"}), 512,
     false},
    {"513 entries are too big", entryLines(513), 513, true},
    {"reading stops at the 513th word", entryLines(600), 513, true},
    {"a bad release line past the limit is never read", concat(entryLines(513), {"RELEASE=x"}), 513,
     true},
};

TEST(Prg3LibraryText, ImageSizeAndLimit) {
    for (const auto& c : ImageCases) {
        SCOPED_TRACE(c.name);
        const Prg3LibraryImage image = buildPrg3LibraryImage(c.lines);
        EXPECT_EQ(image.words.size(), c.wordCount);
        EXPECT_EQ(image.tooBig, c.tooBig);
        if (!c.tooBig) {
            EXPECT_EQ(prg3LibraryBytes(image.words).size(), 4 * c.wordCount);
        }
    }
}

TEST(Prg3LibraryText, WordsFollowTheLineOrder) {
    const std::vector<std::string> lines = {
        "# symbols", "RELEASE=3", "", "1A2B printf", "not a number", "-1 x", "$10 y",
    };
    const Prg3LibraryImage image = buildPrg3LibraryImage(lines);
    EXPECT_EQ(image.words, (std::vector<std::uint32_t>{3, 0x1A2B, 0xFFFFFFFF, 0x10}));
    EXPECT_FALSE(image.tooBig);
}

TEST(Prg3LibraryText, BadReleaseLineStopsTheBuild) {
    const std::vector<std::string> lines = {"1A2B printf", "RELEASE=", "2 x"};
    try {
        buildPrg3LibraryImage(lines);
        FAIL() << "no error raised";
    } catch (const ZavError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
}

TEST(Prg3LibraryText, BytesAreLeastSignificantFirst) {
    const Bytes bytes = prg3LibraryBytes({0x12345678, 0xFFFFFFFB, 0, 0x80});
    EXPECT_EQ(bytes,
              (Bytes{0x78, 0x56, 0x34, 0x12, 0xFB, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0x80, 0, 0, 0}));
    EXPECT_TRUE(prg3LibraryBytes({}).empty());
}

} // namespace
