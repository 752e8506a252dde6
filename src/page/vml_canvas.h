// The canvas of a VML page, the one place that knows the exact HTML and VML
// texts of a page: every drawing call becomes its element, one format per
// element, filled straight into the page text by the writer's machinery
// (vml_format.h).
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <string_view>

#include "page/canvas.h"
#include "page/page_text.h"
#include "page/vml_writer.h"

namespace qp {

class VmlCanvas final : public Canvas {
public:
    // `spill`, when given, is called whenever the page text has grown past
    // VmlWriter::kSpillBytes, to hand it on to the file.
    explicit VmlCanvas(PageText& out, std::function<void()> spill = {})
        : out_(out, std::move(spill)) {}

    PageText& page() { return out_.page(); }

    // Texts of chart files from others: their markup is shown as text,
    // not obeyed.
    void show_markup_as_text() { markup_as_text_ = true; }

    void heading(const PageHeading& heading) override;
    void verbatim(std::string_view bytes) override;
    void page_end() override;
    // A VML page does not describe its charts.
    void describe(const ChartSummary&) override {}

    void begin_block(const Block& block) override;
    void end_block() override;
    void frame_box(const FrameBox& frame) override;
    void fill_rect(const Rect& box, std::string_view color) override;
    void error_notice(int width, int height, std::string_view file_name) override;

    void rule(Point from, Point to, int weight, std::string_view color) override;
    void line(Point from, Point to, int weight, std::string_view color,
              const Tags& tags) override;

    void text_box(TextRole role, const Rect& box, Align align, const TextStyle& style,
                  std::string_view text) override;
    void text_along(TextRole role, Point from, Point to, Align align, const TextStyle& style,
                    std::string_view text) override;
    void scale_label(const Rect& box, Align align, const TextStyle& style,
                     const Number& number) override;
    void value_label(const Rect& box, const TextStyle& style, const Number& number,
                     const Tags& tags) override;

    void rect(const Rect& box, const Paint& paint, const Tags& tags) override;
    void oval(const Rect& box, const Paint& paint, const Tags& tags) override;
    void triangle(const std::array<Point, 3>& corners, const Paint& paint,
                  const Tags& tags) override;
    void area_segment(const std::array<Point, 4>& corners, const Paint& paint,
                      const Tags& tags) override;
    void sector(const Sector& sector) override;

private:
    void number_line(const Number& number);
    // The text as the page shows it: as given, or as text.
    std::string_view shown(std::string_view text, bool as_text);
    // A series element's tooltip, shown as its other texts are.
    VmlWriter::Attribute shown_title(std::string_view title) {
        return VmlWriter::title(shown(title, markup_as_text_));
    }

    VmlWriter out_;
    bool markup_as_text_ = false;
    std::string shown_;   // the last text shown as text
};

}  // namespace qp
