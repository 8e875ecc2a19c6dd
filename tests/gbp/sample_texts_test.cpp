#include "sample_images/sample_texts.h"
#include "sample_images/symbol_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

namespace {

std::vector<std::string> crlfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text does not end with CR LF";
    return lines;
}

struct Entry {
    std::uint32_t address;
    std::string name;
};

// A symbol list: leading "#" lines, then "HEXADDRESS name" lines and nothing else.
std::vector<Entry> entriesOf(const std::string& text, std::size_t expectedHeaderLines) {
    std::vector<Entry> entries;
    std::size_t headerLines = 0;
    for (const std::string& line : crlfLines(text)) {
        EXPECT_EQ(line.find('\n'), std::string::npos);
        if (entries.empty() && !line.empty() && line[0] == '#') {
            ++headerLines;
            continue;
        }
        if (line.rfind("RELEASE=", 0) == 0)
            continue;
        const auto blank = line.find(' ');
        EXPECT_NE(blank, std::string::npos) << line;
        EXPECT_GT(blank, 0u) << line;
        EXPECT_EQ(line.find(' ', blank + 1), std::string::npos) << line;
        const std::string address = line.substr(0, blank);
        EXPECT_TRUE(std::all_of(address.begin(), address.end(), [](unsigned char c) {
            return std::isxdigit(c) != 0;
        })) << line;
        entries.push_back(
            {static_cast<std::uint32_t>(std::stoul(address, nullptr, 16)), line.substr(blank + 1)});
    }
    EXPECT_EQ(headerLines, expectedHeaderLines);
    return entries;
}

TEST(SampleTexts, SymbolListHoldsTheFirmwareSymbolsAfterItsHeader) {
    const std::vector<Entry> entries = entriesOf(buildSymbolListText(), 2);
    ASSERT_EQ(entries.size(), firmwareSymbols().size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].address, firmwareSymbols()[i].address);
        EXPECT_EQ(entries[i].name, firmwareSymbols()[i].name);
    }
}

TEST(SampleTexts, ReferenceListSharesSomeNamesInAnotherOrder) {
    const std::vector<Entry> reference = entriesOf(buildReferenceListText(), 3);
    std::map<std::string, std::size_t> firmwarePosition;
    for (std::size_t i = 0; i < firmwareSymbols().size(); ++i)
        firmwarePosition[std::string(firmwareSymbols()[i].name)] = i;

    std::vector<std::size_t> sharedPositions;
    std::size_t missing = 0;
    for (const Entry& entry : reference) {
        const auto found = firmwarePosition.find(entry.name);
        if (found == firmwarePosition.end())
            ++missing;
        else
            sharedPositions.push_back(found->second);
    }
    // A merge must show all three cases: names found, names missing, and a new order.
    EXPECT_GT(sharedPositions.size(), 20u);
    EXPECT_GT(missing, 0u);
    EXPECT_FALSE(std::is_sorted(sharedPositions.begin(), sharedPositions.end()));
}

TEST(SampleTexts, Prg3LibraryTextIsTheMergeUnderItsReleaseLine) {
    const std::string text = buildPrg3LibraryText();
    const std::vector<std::string> lines = crlfLines(text);
    const auto release = std::find(lines.begin(), lines.end(), "RELEASE=3");
    ASSERT_NE(release, lines.end());
    EXPECT_TRUE(std::all_of(lines.begin(), release,
                            [](const std::string& line) { return line.rfind('#', 0) == 0; }));

    const std::vector<Entry> entries = entriesOf(text, 3);
    const std::vector<SymbolEntry> merged = prg3LibraryEntries();
    ASSERT_EQ(entries.size(), merged.size());
    EXPECT_GE(entries.size(), 24u);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].name, merged[i].name);
        EXPECT_EQ(entries[i].address, merged[i].address);
        // The probe tells a PRG3 library by the zero top bytes of its first words.
        EXPECT_LT(entries[i].address, 0x01000000u);
    }
}

TEST(SymbolTables, MergeTakesTheFirmwareAddressInReferenceOrder) {
    const std::vector<SymbolEntry> merged = prg3LibraryEntries();
    ASSERT_FALSE(merged.empty());
    EXPECT_EQ(merged.front().name, referenceSymbols().front().name);
    for (const SymbolEntry& entry : merged) {
        const auto firmware =
            std::find_if(firmwareSymbols().begin(), firmwareSymbols().end(),
                         [&](const SymbolEntry& symbol) { return symbol.name == entry.name; });
        ASSERT_NE(firmware, firmwareSymbols().end()) << entry.name;
        EXPECT_EQ(entry.address, firmware->address);
    }
}

} // namespace
