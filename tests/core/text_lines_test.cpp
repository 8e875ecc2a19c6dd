#include "platform/file_io.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// Library texts and symbol lists come from any editor: each of CR, LF and CR LF ends a line.
TEST(SplitTextLines, EveryKindOfLineEnd) {
    struct Case {
        const char* name;
        std::string text;
        Lines lines;
    };
    const Case cases[] = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"LF", "a\nb\n", {"a", "b"}},
        {"CR alone", "a\rb\r", {"a", "b"}},
        {"mixed", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"LF CR is two ends", "a\n\rb", {"a", "", "b"}},
        {"empty lines kept", "\r\n\r\nx", {"", "", "x"}},
        {"no end on the last line", "only", {"only"}},
        {"nothing", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(splitTextLines(c.text), c.lines);
    }
}

} // namespace
