// The machinery under the VML canvas: the page text, its hand-over to the
// file, attribute texts, and `emit`, which formats one element of a
// compile-time format straight into the page.  Numbers are written digit
// by digit (or with std::to_chars), never through a locale.  Every text
// that lands inside a quoted attribute value has the delimiting quote
// replaced by its character reference ("'" becomes "&#39;" inside '...');
// text between tags is written exactly as given, so markup in a title
// keeps working.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "page/page_text.h"

namespace qp {

// The text of an element's format, as a template argument.
template <std::size_t N>
struct FormatText {
    char text[N]{};
    constexpr FormatText(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) text[i] = s[i];
    }
    constexpr std::size_t size() const { return N - 1; }
};

class VmlWriter {
public:
    explicit VmlWriter(PageText& out, std::function<void()> spill = {})
        : out_(out), spill_(std::move(spill)) {}

    // Page text beyond this size is handed on through `spill`.
    static constexpr std::size_t kSpillBytes = std::size_t{1} << 20;

    PageText& page() { return out_; }

    // --- Attribute texts ---
    // Each is empty when its source is empty, else "id='...'",
    // "title='...'" and "href='...'" with the source quote-escaped.
    static std::string id_attr(std::string_view id);
    static std::string title_attr(std::string_view text);
    static std::string link_attr(std::string_view url);
    // `text` with every `quote` character replaced by its reference.
    static std::string escape_attr(std::string_view text, char quote = '\'');

    // The same attributes as elements take them under %s, written straight
    // into the element: made from the raw text by id(), link() and title(),
    // or from an attribute text already formed by formed().
    struct Attribute {
        std::string_view name;   // empty: `text` is an already formed attribute
        std::string_view text;
    };
    static Attribute id(std::string_view raw) { return {"id", raw}; }
    static Attribute link(std::string_view raw) { return {"href", raw}; }
    static Attribute title(std::string_view raw) { return {"title", raw}; }
    static Attribute formed(std::string_view text) { return {{}, text}; }

    // Bytes copied to the page as they stand.
    void raw(std::string_view bytes) { out_.append(bytes); }
    // The same for a piece of a file copied in pieces: the page text is
    // handed on once it has grown past kSpillBytes, as after an element.
    void copy(std::string_view bytes) {
        out_.append(bytes);
        if (spill_ && out_.size() >= kSpillBytes) spill_();
    }

    // Appends the element of format F with its conversions filled from
    // `args` in order (defined with the format machinery, vml_format.h).
    template <FormatText F, typename... A>
    void emit(const A&... args);

private:
    // The element that ends at `end` is complete: the page text ends
    // there, and is handed on once it has grown past kSpillBytes.
    void end_element(const char* end);

    PageText& out_;
    std::function<void()> spill_;
};

}  // namespace qp
