// The chart title, centred vertically in the top margin.
#include <string_view>

#include "draw/painters.h"
#include "draw/plot_geometry.h"

namespace qp {

void paint_title(ChartState& st, Canvas& out) {
    std::string_view shown = st.title.Ttext;
    Align align = Align::Center;
    if (!shown.empty() && (shown.front() == '<' || shown.front() == '>')) {
        align = shown.front() == '<' ? Align::Left : Align::Right;
        shown.remove_prefix(1);
    }
    const int top = clamp_to_int((static_cast<long long>(st.plot.Ctop) - st.title.Tsize) / 2 + st.area.Atop);
    const int left = px_sum(st.area.Aleft, 5);
    const int width = px_sum(st.area.Awidth, -10);
    const int height = round_to_int(st.title.Tsize * 1.15);
    const TextStyle style{st.title.Titalic, st.title.Tbold, st.title.Tsize, st.title.Tfont, st.title.Tcolor, st.title.Tbgcolor};
    out.text_box(TextRole::Title, Rect{left, top, width, height}, align, style, shown);
}

}  // namespace qp
