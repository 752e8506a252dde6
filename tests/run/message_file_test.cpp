// The message file loader: entries, limits, the body tag's recognition and
// the head copied for the run log.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "run/message_file.h"

namespace qp {
namespace {

struct Load {
    Catalog catalog;
    std::ostringstream console;
    std::string head;
    bool ok = false;
    explicit Load(const std::string& bytes) {
        ok = load_message_file(bytes, catalog, console, &head);
    }
    const std::string& text(int index) { return catalog.at_index(index); }
};

TEST(MessageFile, ReplacesOnlyTheNamedEntries) {
    Load l("<html>\r\n<head><title>t</title></head>\r\n<body bgcolor=white>\r\n"
           "1:Fehler<br>\r\n 31 : Falsche Namenslaenge <br>\r\n34:x<br>34:y\r<br></body></html>");
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.text(0), "Fehler");
    EXPECT_EQ(l.text(30), " Falsche Namenslaenge ");  // blanks of the text kept
    EXPECT_EQ(l.text(33), "y\r");                    // later wins, bytes kept as written
    EXPECT_EQ(l.text(1), "File");
    EXPECT_EQ(l.console.str(), "");
    EXPECT_EQ(l.head, "<html>\n<head><title>t</title></head>\n<body bgcolor=white>\n");
}

TEST(MessageFile, TextOfHundredCharactersIsCutWithoutWarning) {
    std::string hundred(100, 'a');
    Load a("<body>2:" + hundred + "<br></body>");
    ASSERT_TRUE(a.ok);
    EXPECT_EQ(a.text(1), std::string(99, 'a'));
    EXPECT_EQ(a.console.str(), "");

    // The 101st character brings the warning; the rest up to the next ">"
    // is skipped and loading goes on.
    Load b("<body>2:" + hundred + "bc<br>3:ok<br></body>");
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(b.text(1), std::string(99, 'a'));
    EXPECT_EQ(b.text(2), "ok");
    EXPECT_EQ(b.console.str(), "Number of simbols in message 2 more than 100\n");

    Load c("<body>5:" + std::string(99, 'z') + "<br></body>");
    EXPECT_EQ(c.text(4), std::string(99, 'z'));
}

TEST(MessageFile, NumbersOutsideTheCatalogAreSkipped) {
    Load l("<body>0:zero<br>35:big<br>99999999999999999999:huge<br>34:last<br></body>");
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.console.str(),
              "Number of message more than 34\nNumber of message more than 34\n"
              "Number of message more than 34\n");
    EXPECT_EQ(l.text(33), "last");
    EXPECT_EQ(l.text(0), "Error");
}

TEST(MessageFile, BodyTagNameMayHoldBlanksAndVerticalTabs) {
    Load l("<html>< \vB o\vD  y class='x'>1:Eins<br></BODY>");
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.text(0), "Eins");
    EXPECT_EQ(l.head, "<html>< \vB o\vD  y class='x'>\n");

    // A tab is no blank: the tag is an ordinary one and no body follows.
    Load t("<html><\tbody>1:Eins<br></body>");
    EXPECT_FALSE(t.ok);
}

TEST(MessageFile, BoldTagHidesAFollowingBodyTag) {
    // "<b>" ends inside the name, so its ">" is taken as a character of the
    // tag and the body tag's ">" closes it.
    EXPECT_FALSE(Load("<html><b><body>1:x<br></body></html>").ok);
    // A later body tag is found again.
    Load l("<html><b><body><body>1:x<br></body></html>");
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.text(0), "x");
    EXPECT_EQ(l.head, "<html><b><body><body>\n");
}

TEST(MessageFile, EndingBeforeTheListIsClosedFails) {
    EXPECT_FALSE(Load("").ok);
    EXPECT_FALSE(Load("<html><head></head></html>").ok);
    EXPECT_FALSE(Load("<body>1:unterminated").ok);
    EXPECT_FALSE(Load("<body>1:x<br>2").ok);
    // Digits and the colon are the only characters that count between entries.
    Load l("<body>\n  junk 1:a<br> more 2:b<br>\n</body>");
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.text(0), "a");
    EXPECT_EQ(l.text(1), "b");
}

}  // namespace
}  // namespace qp
