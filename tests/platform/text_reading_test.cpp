// Files read a piece at a time: the text-mode line-end rule across the
// pieces' borders, lines handed on one by one, and reading that stops
// early (a failed read, a line too long) told apart from a file's end.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/text_lines.h"
#include "platform/text_pieces.h"
#include "support/memory_file_system.h"

namespace qp {
namespace {

std::unique_ptr<InputFile> failing_file(const std::string& text) {
    return MemoryFileSystem::input_file("t", text, 4096, true);
}

const std::string kMixedEnds = "A;\r\nB;\r\r\nC\rD\r\n\r\n\rE\r";

TEST(TextPieces, DropAReturnBeforeALineFeedWhereverThePiecesEnd) {
    const std::string expected = "A;\nB;\r\nC\rD\n\n\rE\r";
    ASSERT_EQ(drop_cr_before_lf(kMixedEnds), expected);
    for (std::size_t size = 1; size <= kMixedEnds.size(); ++size) {
        SCOPED_TRACE(size);
        TextPieces into_string(MemoryFileSystem::input_file("t", kMixedEnds, size), size);
        std::string text;
        while (into_string.append_to(text)) {
        }
        EXPECT_EQ(text, expected);
        EXPECT_FALSE(into_string.failed());
        // The same into a buffer, which keeps no more than it is given.
        TextPieces into_buffer(MemoryFileSystem::input_file("t", kMixedEnds, size), size);
        TextBuffer buffer;
        while (into_buffer.append_to(buffer)) {
        }
        EXPECT_EQ(buffer.view(), expected);
        buffer.drop_front(3);
        EXPECT_EQ(buffer.view(), expected.substr(3));
    }
    TextPieces failing(failing_file("A\r"), 4);
    std::string text;
    while (failing.append_to(text)) {
    }
    EXPECT_EQ(text, "A");   // the return waited for a piece that never came
    EXPECT_TRUE(failing.failed());
}

std::vector<std::string> all_lines(TextLines& lines) {
    std::vector<std::string> out;
    for (std::string line; lines.next(&line);) out.push_back(line);
    return out;
}

TEST(TextLines, LinesWithoutTheirEndsAndTheLastOneWithoutALineFeed) {
    using Lines = std::vector<std::string>;
    for (std::size_t size : {1, 2, 5, 4096}) {
        SCOPED_TRACE(size);
        TextLines mixed(MemoryFileSystem::input_file("t", "in\r\nout\n\n  a.csv \nlast", size));
        EXPECT_EQ(all_lines(mixed), (Lines{"in", "out", "", "  a.csv ", "last"}));
        EXPECT_FALSE(mixed.cut_short());
        TextLines ended(MemoryFileSystem::input_file("t", "a\n", size));
        EXPECT_EQ(all_lines(ended), Lines{"a"});
    }
    TextLines empty(MemoryFileSystem::input_file("t", ""));
    EXPECT_EQ(all_lines(empty), Lines{});

    // A failed read: the line it cut off is not handed on.
    TextLines failing(failing_file("a\nbc"));
    EXPECT_EQ(all_lines(failing), Lines{"a"});
    EXPECT_TRUE(failing.cut_short());
    // A line longer than the longest allowed ends the reading before it.
    TextLines long_line(MemoryFileSystem::input_file("t", "short\n" + std::string(50, 'x') + "\nnext\n", 8),
                        20);
    EXPECT_EQ(all_lines(long_line), Lines{"short"});
    EXPECT_TRUE(long_line.cut_short());
}

}  // namespace
}  // namespace qp
