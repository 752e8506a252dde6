// The message catalog: 34 texts addressed by index.  The built-in texts
// serve the console; the catalog texts (replaceable by the message file)
// serve the run log and the diagnostics.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qp {

enum class Msg : int {
    Error = 0,
    File,
    EndingFileIs,
    HeadingFileIs,
    InD1Chart,
    InD2Chart,
    InputDataIsPlacedIn,
    InputFrom,
    JobTerminatedAt,
    Line,
    StencilIsInputtedFrom,
    OutputNameMustBeCoded,
    OutputNameCanNotBeCoded,
    OK,
    OutputDataWillBePlacedInto,
    ItIsExpected,
    And,
    CanNotBeOpened,
    DataMiss,
    DoesNotBetween,
    DoesNotGenerated,
    IsGenerated,
    ErrorsAreFoundInFile,
    Missing,
    DoesNotBetween0And180,
    DoesNotFound,
    TooManyD1Series,
    TooManyD2Series,
    TooManyValues,
    WrongColor,
    WrongNameLength,
    WrongSymbol,
    TooManyArguments,
    InvalidFileExtension,
};

inline constexpr int kCatalogSize = 34;
inline constexpr int kCatalogTextMax = 99;

// The fixed English text of a message.
std::string_view builtin_text(Msg m);

class Catalog {
public:
    Catalog();   // starts with the built-in texts
    const std::string& text(Msg m) const { return texts_[static_cast<int>(m)]; }
    std::string& at_index(int index) { return texts_[index]; }
    void restore_builtin();

private:
    std::array<std::string, kCatalogSize> texts_;
};

}  // namespace qp
