// The message catalog: 34 texts, each under the number its entry has in the
// message file.  The built-in texts serve the console; the catalog texts
// (replaceable by the message file) serve the run log and the diagnostics.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace qp {

enum class Msg : int {
    Error = 1,
    File = 2,
    EndingFileIs = 3,
    HeadingFileIs = 4,
    InD1Chart = 5,
    InD2Chart = 6,
    InputDataIsPlacedIn = 7,
    InputFrom = 8,
    JobTerminatedAt = 9,
    Line = 10,
    StencilIsInputtedFrom = 11,
    OutputNameMustBeCoded = 12,
    OutputNameCanNotBeCoded = 13,
    OK = 14,
    OutputDataWillBePlacedInto = 15,
    ItIsExpected = 16,
    And = 17,
    CanNotBeOpened = 18,
    DataMiss = 19,
    DoesNotBetween = 20,
    DoesNotGenerated = 21,
    IsGenerated = 22,
    ErrorsAreFoundInFile = 23,
    Missing = 24,
    DoesNotBetween0And180 = 25,
    DoesNotFound = 26,
    TooManyD1Series = 27,
    TooManyD2Series = 28,
    TooManyValues = 29,
    WrongColor = 30,
    WrongNameLength = 31,
    WrongSymbol = 32,
    TooManyArguments = 33,
    InvalidFileExtension = 34,
};

inline constexpr int kCatalogSize = 34;
static_assert(static_cast<int>(Msg::InvalidFileExtension) == kCatalogSize,
              "the last message closes the numbering");
inline constexpr int kCatalogTextMax = 99;

// The fixed English text of a message.
std::string_view builtin_text(Msg m);

class Catalog {
public:
    Catalog();   // starts with the built-in texts
    const std::string& text(Msg m) const { return texts_[slot(static_cast<int>(m))]; }
    // The text of entry `number` (1 to kCatalogSize) of a message file.
    std::string& at_number(int number) { return texts_[slot(number)]; }
    void restore_builtin();

private:
    static std::size_t slot(int number) { return static_cast<std::size_t>(number - 1); }

    std::array<std::string, kCatalogSize> texts_;
};

}  // namespace qp
