#include "page/error_page.h"

#include "page/vml_canvas.h"

namespace qp {

namespace {

// An area of no width or height gets the default size.
constexpr int kDefaultSide = 400;

}  // namespace

void draw_error_page(Canvas& canvas, const AreaPlace& area, const ErrorPageHeading& lead,
                     const ErrorPageTexts& texts) {
    const std::string& chart_name = texts.chart_name;
    if (lead.heading) canvas.heading(PageHeading{true, lead.title_line, texts.title});
    const std::string notice = "ERRORS in " + chart_name;
    ChartSummary summary;
    summary.title = notice;
    canvas.describe(summary);
    const int width = area.width == 0 ? kDefaultSide : area.width;
    const int height = area.height == 0 ? kDefaultSide : area.height;
    // The error page's block has no place for an id.
    canvas.begin_block(Block{.in_flow = area.top == -1, .left = area.left, .top = area.top,
                             .id = {}, .id_slot = false, .width = width, .height = height});
    canvas.error_notice(width, height, chart_name);
    canvas.end_block();
}

void append_error_page(PageText& page, const AreaPlace& area, const ErrorPageHeading& lead,
                       const std::string& title, const std::string& chart_name) {
    VmlCanvas canvas(page);
    draw_error_page(canvas, area, lead, ErrorPageTexts{title, chart_name});
}

}  // namespace qp
