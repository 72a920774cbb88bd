#include "kit/host/MessageLines.h"

#include <gtest/gtest.h>

using kit::host::brokenIntoLines;

TEST(MessageLines, BreaksEachParagraphAtSpacesAndKeepsLongWordsWhole) {
    struct Case {
        const char* text;
        std::size_t width;
        const char* lines;
    };
    const Case cases[] = {
        {"short", 10, "short"},
        {"one two three four", 9, "one two\nthree\nfour"},
        {"exactly nine", 12, "exactly nine"},
        // A path longer than a line is not cut: it takes a line of its own.
        {"in /a/very/long/folder/name now", 8, "in\n/a/very/long/folder/name\nnow"},
        // The text's own lines stay, blank ones too, and each is broken by itself.
        {"Title line.\n\nsome more words", 9, "Title\nline.\n\nsome more\nwords"},
        {"spaced   out ", 20, "spaced out"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(brokenIntoLines(c.text, c.width), c.lines);
    }
}
