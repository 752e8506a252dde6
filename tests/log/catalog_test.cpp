// The catalog: messages under their message-file numbers, the built-in texts
// for the console, and the replaceable texts for the run log.
#include <gtest/gtest.h>

#include "log/catalog.h"

namespace qp {
namespace {

TEST(Catalog, MessagesStandUnderTheirMessageFileNumbers) {
    Catalog catalog;
    // First, last and a few between, as a message file numbers them.
    const struct { Msg msg; int number; const char* text; } cases[] = {
        {Msg::Error, 1, "Error"},
        {Msg::Line, 10, "Line"},
        {Msg::ItIsExpected, 16, "It is expected"},
        {Msg::WrongColor, 30, "Wrong color"},
        {Msg::InvalidFileExtension, 34, "invalid file extension"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(static_cast<int>(c.msg), c.number) << c.text;
        EXPECT_EQ(builtin_text(c.msg), c.text);
        EXPECT_EQ(catalog.text(c.msg), c.text);
        EXPECT_EQ(&catalog.at_number(c.number), &catalog.text(c.msg)) << c.text;
    }
}

TEST(Catalog, ReplacedTextsServeTheLogUntilTheBuiltInOnesAreRestored) {
    Catalog catalog;
    catalog.at_number(1) = "Fehler";
    catalog.at_number(34) = "falsche Endung";
    EXPECT_EQ(catalog.text(Msg::Error) + "|" + catalog.text(Msg::InvalidFileExtension),
              "Fehler|falsche Endung");
    EXPECT_EQ(builtin_text(Msg::Error), "Error");   // the console keeps its text
    catalog.restore_builtin();
    EXPECT_EQ(catalog.text(Msg::Error) + "|" + catalog.text(Msg::InvalidFileExtension),
              "Error|invalid file extension");
}

}  // namespace
}  // namespace qp
