// The message file loader: entries, limits, the body tag's recognition and
// the head copied for the run log.
#include <gtest/gtest.h>

#include <sstream>

#include "log/message_file.h"

namespace qp {
namespace {

struct Load {
    Catalog catalog;
    std::ostringstream console;
    std::string head;
    bool ok = false;
    explicit Load(const std::string& bytes) { ok = load_message_file(bytes, catalog, console, &head); }
    const std::string& text(int number) { return catalog.at_number(number); }
};

TEST(MessageFile, ReplacesOnlyTheNamedEntries) {
    Load l("<html>\r\n<head><title>t</title></head>\r\n<body bgcolor=white>\r\n 1:Fehler<br>\r\n"
           "junk 31 : Falsche Laenge <br>\r\n34:x<br>34:y\r<br>0:zero<br>35:big<br>"
           "99999999999999999999:huge<br></body></html>");
    ASSERT_TRUE(l.ok);
    // A text keeps its blanks and its bytes as written; a later entry wins.
    EXPECT_EQ(l.text(1) + "|" + l.text(31) + "|" + l.text(34) + "|" + l.text(2),
              "Fehler| Falsche Laenge |y\r|File");
    EXPECT_EQ(l.head, "<html>\n<head><title>t</title></head>\n<body bgcolor=white>\n");
    // Numbers outside 1 to 34 are skipped with a warning each.
    EXPECT_EQ(l.console.str(), "Number of message more than 34\nNumber of message more than 34\n"
                               "Number of message more than 34\n");
}

TEST(MessageFile, TextOfHundredCharactersIsCutWithoutWarning) {
    const std::string hundred(100, 'a');
    Load a("<body>2:" + hundred + "<br>5:" + std::string(99, 'z') + "<br></body>");
    EXPECT_EQ(a.text(2) + a.console.str(), std::string(99, 'a'));
    EXPECT_EQ(a.text(5), std::string(99, 'z'));
    // The 101st character brings the warning; the rest up to the next ">"
    // is skipped and loading goes on.
    Load b("<body>2:" + hundred + "bc<br>3:ok<br></body>");
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(b.text(2) + "|" + b.text(3) + "|" + b.console.str(),
              std::string(99, 'a') + "|ok|Number of simbols in message 2 more than 100\n");
}

TEST(MessageFile, BodyTagRecognition) {
    Load l("<html>< \vB o\vD  y class='x'>1:Eins<br></BODY>");   // blanks and character 11
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.text(1) + "|" + l.head, "Eins|<html>< \vB o\vD  y class='x'>\n");
    // A bold tag's ">" is taken as a character of the tag, so it hides a
    // body tag right after it; a later body tag is found again.
    Load b("<html><b><body><body>1:x<br></body></html>");
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(b.text(1) + "|" + b.head, "x|<html><b><body><body>\n");
    // The load fails when the list is not closed before the end.
    for (const char* bad : {"<html><b><body>1:x<br></body></html>", "<html><\tbody>1:x<br></body>", "",
                            "<html><head></head></html>", "<body>1:unterminated", "<body>1:x<br>2"})
        EXPECT_FALSE(Load(bad).ok) << bad;
}

}  // namespace
}  // namespace qp
