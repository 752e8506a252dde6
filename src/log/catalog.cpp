#include "log/catalog.h"

#include <utility>

namespace qp {

namespace {

// The built-in texts, each beside its number.
constexpr std::array<std::pair<Msg, std::string_view>, kCatalogSize> kBuiltin{{
    {Msg::Error, "Error"},
    {Msg::File, "File"},
    {Msg::EndingFileIs, "Ending file is"},
    {Msg::HeadingFileIs, "Heading file is"},
    {Msg::InD1Chart, "In D1 chart"},
    {Msg::InD2Chart, "In D2 chart"},
    {Msg::InputDataIsPlacedIn, "Input data is placed in"},
    {Msg::InputFrom, "Input from"},
    {Msg::JobTerminatedAt, "Job terminated at"},
    {Msg::Line, "Line"},
    {Msg::StencilIsInputtedFrom, "Stencil is inputted from"},
    {Msg::OutputNameMustBeCoded, "Name of output file must be coded"},
    {Msg::OutputNameCanNotBeCoded, "Name of output file can not be coded"},
    {Msg::OK, "OK"},
    {Msg::OutputDataWillBePlacedInto, "Output data will be placed into"},
    {Msg::ItIsExpected, "It is expected"},
    {Msg::And, "and"},
    {Msg::CanNotBeOpened, "can not be opened"},
    {Msg::DataMiss, "Data miss"},
    {Msg::DoesNotBetween, "does not between"},
    {Msg::DoesNotGenerated, "does not generated"},
    {Msg::IsGenerated, "is generated"},
    {Msg::ErrorsAreFoundInFile, "Errors are found in file"},
    {Msg::Missing, "missing"},
    {Msg::DoesNotBetween0And180, "does not between 0 and 180"},
    {Msg::DoesNotFound, "does not found"},
    {Msg::TooManyD1Series, "Number of charts with D1 is more, than"},
    {Msg::TooManyD2Series, "Number of charts with D2 is more, than"},
    {Msg::TooManyValues, "Number of values is more, than 1000"},
    {Msg::WrongColor, "Wrong color"},
    {Msg::WrongNameLength, "Wrong name length"},
    {Msg::WrongSymbol, "Wrong symbol"},
    {Msg::TooManyArguments, "Number of arguments is more, than 1000"},
    {Msg::InvalidFileExtension, "invalid file extension"},
}};

// Entry i holds message i + 1: no number missing, none twice, none moved.
constexpr bool numbered_in_order() {
    for (std::size_t i = 0; i < kBuiltin.size(); ++i) {
        if (static_cast<std::size_t>(kBuiltin[i].first) != i + 1 || kBuiltin[i].second.empty()) {
            return false;
        }
    }
    return true;
}
static_assert(numbered_in_order(), "the built-in texts follow the message numbers");

}  // namespace

std::string_view builtin_text(Msg m) {
    return kBuiltin[static_cast<std::size_t>(static_cast<int>(m) - 1)].second;
}

Catalog::Catalog() { restore_builtin(); }

void Catalog::restore_builtin() {
    for (std::size_t i = 0; i < kBuiltin.size(); ++i) texts_[i] = std::string(kBuiltin[i].second);
}

}  // namespace qp
