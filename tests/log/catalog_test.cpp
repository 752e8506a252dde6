// The catalog: messages under their message-file numbers, the built-in texts
// for the console, and the replaceable texts for the run log.
#include <gtest/gtest.h>

#include "log/catalog.h"

namespace qp {
namespace {

TEST(Catalog, ReplacedTextsServeTheLogUntilTheBuiltInOnesAreRestored) {
    Catalog catalog;
    // First, last and one between, as a message file numbers them.
    EXPECT_EQ(&catalog.at_number(1), &catalog.text(Msg::Error));
    EXPECT_EQ(&catalog.at_number(30), &catalog.text(Msg::WrongColor));
    EXPECT_EQ(&catalog.at_number(34), &catalog.text(Msg::InvalidFileExtension));
    catalog.at_number(1) = "Fehler";
    catalog.at_number(34) = "falsche Endung";
    EXPECT_EQ(catalog.text(Msg::Error) + "|" + catalog.text(Msg::InvalidFileExtension), "Fehler|falsche Endung");
    EXPECT_EQ(builtin_text(Msg::Error), "Error");   // the console keeps its text
    catalog.restore_builtin();
    EXPECT_EQ(catalog.text(Msg::Error) + "|" + catalog.text(Msg::InvalidFileExtension),
              "Error|invalid file extension");
}

}  // namespace
}  // namespace qp
