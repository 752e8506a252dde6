// The chart title, centred vertically in the top margin.
#include <string_view>

#include "draw/painters.h"
#include "layout/text_metrics.h"

namespace qp {

void paint_title(const ChartState& st, const Layout& lay, Canvas& out) {
    const Title& title = st.title;
    const Box& area = lay.frame.area;
    std::string_view shown = title.Ttext;
    Align align = Align::Center;
    if (!shown.empty() && (shown.front() == '<' || shown.front() == '>')) {
        align = shown.front() == '<' ? Align::Left : Align::Right;
        shown.remove_prefix(1);
    }
    const int top = clamp_to_int((static_cast<long long>(lay.frame.Ctop) - title.Tsize) / 2 + area.top);
    const int left = px_sum(area.left, kTextGap);
    const int width = px_sum(area.width, -2 * kTextGap);
    const int height = round_to_int(title.Tsize * kLineHeight);
    const TextStyle style{title.Titalic, title.Tbold, title.Tsize, title.Tfont, title.Tcolor, title.Tbgcolor};
    out.text_box(TextRole::Title, Rect{left, top, width, height}, align, style, shown);
}

}  // namespace qp
