#include "mod/symbol_list_merge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct LineCase {
    const char* line;
    const char* address;
    const char* name;
};

const LineCase LineCases[] = {
    {"1A2B printf", "1A2B", "printf"},
    {"1A2B x", "1A2B", "x"},
    {"1A2B a b", "1A2B", "a b"},
    {"1A2B ", "1A2B", ""},
    {"1A2B  two", "1A2B", " two"},
    // no blank: the name is the line less its last two characters
    {"printf", "", "prin"},
    {"abc", "", "a"},
    {"ab", "", ""},
    {"a", "", ""},
    {"", "", ""},
    {"1A2B\tname", "", "1A2B\tna"},
    // a leading blank: empty address, name from the second character
    {" printf", "", "print"},
    {" ab", "", "a"},
    {" a", "", ""},
    // a blank before "#" shortens the name by that blank's position
    {"1A2B name #comment", "1A2B", "name #"},
    {"1 name #comment", "1", "name #"},
    {"1A2B name #c", "1A2B", ""},
    {"1A2B #x", "1A2B", ""},
    {"# list", "#", "list"},
    {"#x", "", ""},
};

TEST(SymbolList, AddressAndNameOfEachLine) {
    for (const auto& c : LineCases) {
        SCOPED_TRACE(std::string("line: '") + c.line + "'");
        EXPECT_EQ(symbolAddress(c.line), c.address);
        EXPECT_EQ(symbolName(c.line), c.name);
    }
}

using Lines = std::vector<std::string>;

struct MergeCase {
    const char* name;
    Lines reference;
    Lines source;
    Lines expected;
};

const MergeCase MergeCases[] = {
    {"entries in reference order with source addresses",
     {"# reference", "0 printf", "0 strlen", "0 memcpy"},
     {"# phone 514", "# release 4", "300 memcpy", "100 printf", "200 strlen"},
     {"# phone 514", "# release 4", "100 printf", "200 strlen", "300 memcpy"}},
    {"first occurrence wins", {"0 printf"}, {"10 printf", "20 printf"}, {"10 printf"}},
    {"names missing from the source add nothing",
     {"0 printf", "0 gone", "0 strlen"},
     {"10 strlen", "20 printf"},
     {"20 printf", "10 strlen"}},
    {"case matters", {"0 Printf"}, {"10 printf"}, {}},
    {"a source line without a blank matches by the name rule",
     {"0 prin", "0 printf"},
     {"printf", "10 printf"},
     {" prin", "10 printf"}},
    {"late source header lines are searched but not copied",
     {"0 late", "0 x"},
     {"# head", "10 x", "# late", "20 y"},
     {"# head", "# late", "10 x"}},
    {"an empty line ends the source header",
     {"0 x"},
     {"# head", "", "# more", "10 x"},
     {"# head", "10 x"}},
    {"an empty line ends the reference header",
     {"# head", "", "# not header", "0 x"},
     {"# not header", "10 x"},
     {"# not header", "# not header", "10 x"}},
    {"empty reference gives the source header", {}, {"# a", "# b", "10 x"}, {"# a", "# b"}},
    {"header-only reference gives the source header",
     {"# only", "# header"},
     {"# a", "10 x"},
     {"# a"}},
    {"empty source", {"0 x"}, {}, {}},
    {"source of header lines only", {"0 x"}, {"# a", "# b"}, {"# a", "# b"}},
    {"empty names match nothing", {"0 x", "", "ab", "0 x #c"}, {"", "10 ", "ab", "10 x"}, {"10 x"}},
    {"a blank-led line is matched by its name", {" printf"}, {"10 print", " printf"}, {"10 print"}},
    {"the blank-hash rule applies on both sides",
     {"0 name #comment", "0 name"},
     {"10 name", "20 name #comment"},
     {"20 name #", "10 name"}},
};

TEST(SymbolListMerge, MergesEachPair) {
    for (const auto& c : MergeCases)
        EXPECT_EQ(mergeSymbolLists(c.reference, c.source), c.expected) << c.name;
}

TEST(SymbolListMerge, OutputPathAppendsUnderscore) {
    EXPECT_EQ(mergedListPath("list.txt"), "list.txt_");
    EXPECT_EQ(mergedListPath("/tmp/a b/lib"), "/tmp/a b/lib_");
}

} // namespace
