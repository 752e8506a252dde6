// How the writer fills an element's format.  A format is a string literal
// with conversions %d (a whole number), %s (a text as it stands) and %q (a
// text inside a '...' attribute value, its apostrophes escaped).  The
// format is split while compiling, so that filling it is a straight run of
// fixed-size copies and conversions with no parsing left for run time; a
// format whose conversions do not match its arguments does not compile.
#pragma once

#include <charconv>
#include <concepts>
#include <cstring>
#include <string_view>
#include <type_traits>
#include <utility>

#include "page/vml_writer.h"

namespace qp::vml {

// The literal pieces and conversions of a format, found while compiling.
template <FormatText F>
struct Layout {
    static constexpr std::size_t kConversions = [] {
        std::size_t n = 0;
        for (std::size_t i = 0; i + 1 < F.size(); ++i) {
            if (F.text[i] == '%') ++n, ++i;
        }
        return n;
    }();
    struct Pieces {
        std::size_t begin[kConversions + 1]{};
        std::size_t length[kConversions + 1]{};
        char conversion[kConversions + 1]{};
    };
    static constexpr Pieces kPieces = [] {
        Pieces p;
        std::size_t piece = 0, start = 0;
        for (std::size_t i = 0; i + 1 < F.size(); ++i) {
            if (F.text[i] != '%') continue;
            p.begin[piece] = start;
            p.length[piece] = i - start;
            p.conversion[piece] = F.text[i + 1];
            ++piece;
            start = i + 2;
            ++i;
        }
        p.begin[piece] = start;
        p.length[piece] = F.size() - start;
        return p;
    }();
    static constexpr std::size_t kLiteralBytes = F.size() - 2 * kConversions;

    static constexpr bool valid() {
        for (std::size_t i = 0; i < kConversions; ++i) {
            const char c = kPieces.conversion[i];
            if (c != 'd' && c != 's' && c != 'q') return false;
        }
        return true;
    }
    static_assert(valid(), "conversions are %d, %s and %q");
};

// The widest whole number: "-9223372036854775808".
inline constexpr std::size_t kNumberChars = 20;
// The reference that replaces an apostrophe inside '...'.
inline constexpr std::string_view kApostrophe = "&#39;";

template <FormatText F, std::size_t Begin, std::size_t Length>
inline char* put_literal(char* p) {
    if constexpr (Length > 0) std::memcpy(p, F.text + Begin, Length);
    return p + Length;
}

inline char* put_text(char* p, std::string_view text) {
    if (text.empty()) return p;
    std::memcpy(p, text.data(), text.size());
    return p + text.size();
}

// Texts are mostly short (colour names, ids), so they are copied a
// character at a time rather than searched first.
inline char* put_escaped(char* p, std::string_view text) {
    for (const char c : text) {
        if (c == '\'') {
            p = put_text(p, kApostrophe);
        } else {
            *p++ = c;
        }
    }
    return p;
}

// An attribute under %s: nothing for an empty raw text, name='text' with
// the text escaped, or an already formed attribute text as it stands.
inline std::size_t attribute_bound(const VmlWriter::Attribute& a) {
    return a.name.size() + 3 + a.text.size() * kApostrophe.size();
}

inline char* put_attribute(char* p, const VmlWriter::Attribute& a) {
    if (a.name.empty()) return put_text(p, a.text);
    if (a.text.empty()) return p;
    p = put_text(p, a.name);
    p = put_text(p, "='");
    p = put_escaped(p, a.text);
    *p++ = '\'';
    return p;
}

// The most bytes conversion C can write for `arg`.
template <char C, typename A>
inline std::size_t bound(const A& arg) {
    if constexpr (std::same_as<A, VmlWriter::Attribute>) {
        static_assert(C == 's', "an attribute goes under %s");
        return attribute_bound(arg);
    } else if constexpr (C == 'd') {
        static_assert(std::integral<A>, "%d takes a whole number");
        return kNumberChars;
    } else {
        const std::string_view text(arg);
        return C == 'q' ? text.size() * kApostrophe.size() : text.size();
    }
}

// Most numbers of a page are pixel positions of up to four digits; they
// are written two digits at a time without the general conversion.
inline char* put_number(char* p, long long v) {
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    if (v < 0 || v >= 10000) return std::to_chars(p, p + kNumberChars, v).ptr;
    const auto n = static_cast<unsigned>(v);
    if (n < 10) {
        *p = static_cast<char>('0' + n);
        return p + 1;
    }
    if (n < 100) {
        std::memcpy(p, kPairs + 2 * n, 2);
        return p + 2;
    }
    if (n < 1000) {
        *p = static_cast<char>('0' + n / 100);
        std::memcpy(p + 1, kPairs + 2 * (n % 100), 2);
        return p + 3;
    }
    std::memcpy(p, kPairs + 2 * (n / 100), 2);
    std::memcpy(p + 2, kPairs + 2 * (n % 100), 2);
    return p + 4;
}

template <char C, typename A>
inline char* put_arg(char* p, const A& arg) {
    if constexpr (std::same_as<A, VmlWriter::Attribute>) {
        return put_attribute(p, arg);
    } else if constexpr (C == 'd') {
        return put_number(p, static_cast<long long>(arg));
    } else if constexpr (C == 'q') {
        return put_escaped(p, std::string_view(arg));
    } else {
        return put_text(p, std::string_view(arg));
    }
}

}  // namespace qp::vml

namespace qp {

// The element is formatted straight into room at the page's end, as large
// as the element can be.
template <FormatText F, typename... A>
void VmlWriter::emit(const A&... args) {
    using L = vml::Layout<F>;
    static_assert(sizeof...(A) == L::kConversions, "one argument per conversion");
    constexpr auto& pieces = L::kPieces;
    return [&]<std::size_t... I>(std::index_sequence<I...>) {
        const std::size_t most =
            L::kLiteralBytes + (std::size_t{0} + ... + vml::bound<pieces.conversion[I]>(args));
        char* p = out_.room(most);
        ((p = vml::put_literal<F, pieces.begin[I], pieces.length[I]>(p),
          p = vml::put_arg<pieces.conversion[I]>(p, args)),
         ...);
        p = vml::put_literal<F, pieces.begin[L::kConversions], pieces.length[L::kConversions]>(p);
        end_element(p);
    }(std::index_sequence_for<A...>{});
}

}  // namespace qp
