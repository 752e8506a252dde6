#include "draw/chart_summary.h"

namespace qp {

namespace {

std::string_view kind_of(std::string_view tip) {
    const char variant = tip.size() > 1 ? tip[1] : '1';
    switch (tip.empty() ? ' ' : tip[0]) {
        case 'L':
            return variant == '2' ? "line with drop lines" : variant == '3' ? "filled line" : "line";
        case 'M': return "markers";
        case 'R': return "bars";
        case 'V': return "value labels";
        case 'P': return "pie";
        default: return "series";
    }
}

}  // namespace

ChartSummary summarize_chart(const ChartState& st) {
    ChartSummary sum;
    sum.title = st.title.Ttext;
    if (!sum.title.empty() && (sum.title.front() == '<' || sum.title.front() == '>')) {
        sum.title.remove_prefix(1);
    }
    for (const auto* table : {&st.d1.rec, &st.d2.rec}) {
        const int num = table == &st.d1.rec ? st.d1.num : st.d2.num;
        for (int s = 0; s <= num && s < static_cast<int>(table->size()); ++s) {
            const SeriesRecord& rec = (*table)[static_cast<std::size_t>(s)];
            if (rec.pornum < 1 || rec.pornum > st.koldata) continue;
            const std::string_view text = rec.text;
            sum.series.push_back({text.substr(0, text.find('\'')), kind_of(rec.tip)});
        }
    }
    if (st.x.Xi >= 1 && static_cast<std::size_t>(st.x.Xi) <= st.X.size()) {
        sum.first_category = st.X.front();
        sum.last_category = st.X[static_cast<std::size_t>(st.x.Xi) - 1];
    }
    sum.scales[0] = {st.y1.p == 1, st.y1.min, st.y1.max};
    sum.scales[1] = {st.y2.p == 1, st.y2.min, st.y2.max};
    sum.legend_only = st.legend.Lonly == 1;
    return sum;
}

}  // namespace qp
