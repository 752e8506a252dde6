// How much room text takes on the page: a line is 1.15 times the font size
// high, a character 0.7 times the font size wide.  Every painter and the
// layout measure text with these factors, in the same operand order, so
// that equal texts get equal boxes.
#pragma once

namespace qp {

// A line's height per unit of font size.
inline constexpr double kLineHeight = 1.15;
// A character's width per unit of font size.
inline constexpr double kCharWidth = 0.7;
// A centred label starts this share of its character count left of its
// anchor (0.3 of a label's width, measured in character widths).
inline constexpr double kLabelOffset = 0.3;
// The width of a minus sign per unit of font size.
inline constexpr double kSignWidth = 0.35;

// The gap between a text box and what it stands next to, in pixels.
inline constexpr int kTextGap = 5;

}  // namespace qp
