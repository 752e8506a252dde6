// The exact texts of the page, the chart's frame, rules, lines and text.
// Each element is one format; the conversions are filled in order.
#include "page/vml_writer.h"

#include "page/vml_format.h"

#include <charconv>
#include <system_error>

namespace qp {

namespace {

// Fixed-point text of `value` with `decimals` decimals, padded on the left
// with blanks to `width` characters, as the "%W.Df" conversion writes it.
std::string fixed_text(double value, int width, int decimals) {
    if (decimals < 0) decimals = 0;
    // A float has at most 39 integer digits; sign, point and decimals
    // come on top.
    std::string buf(static_cast<std::size_t>(decimals) + 64, '\0');
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                             std::chars_format::fixed, decimals);
    if (res.ec != std::errc()) return {};
    buf.resize(static_cast<std::size_t>(res.ptr - buf.data()));
    if (width > 0 && buf.size() < static_cast<std::size_t>(width)) {
        buf.insert(0, static_cast<std::size_t>(width) - buf.size(), ' ');
    }
    return buf;
}

// The attribute text the series elements write in place, as a string.
std::string quoted_attr(std::string_view name, std::string_view value) {
    const VmlWriter::Attribute attribute{name, value};
    std::string s(vml::attribute_bound(attribute), '\0');
    s.resize(static_cast<std::size_t>(vml::put_attribute(s.data(), attribute) - s.data()));
    return s;
}

}  // namespace

void VmlWriter::end_element(const char* end) {
    out_.commit(end);
    if (spill_ && out_.size() >= kSpillBytes) spill_();
}

// --- Attribute texts ---

std::string VmlWriter::escape_attr(std::string_view text, char quote) {
    const std::string_view ref = quote == '"' ? "&quot;" : "&#39;";
    std::string s;
    s.reserve(text.size());
    for (std::size_t q; (q = text.find(quote)) != std::string_view::npos;) {
        s.append(text.substr(0, q));
        s.append(ref);
        text.remove_prefix(q + 1);
    }
    s.append(text);
    return s;
}

std::string VmlWriter::id_attr(std::string_view id) { return quoted_attr("id", id); }
std::string VmlWriter::title_attr(std::string_view text) { return quoted_attr("title", text); }
std::string VmlWriter::link_attr(std::string_view url) { return quoted_attr("href", url); }

// --- Page ---

void VmlWriter::standard_heading(bool with_title, std::string_view title) {
    out_ += "<html>\n<xml:namespace prefix=\"v\"/>\n";
    if (with_title) {
        emit<"<title>%s</title>\n">(
        title);
    }
    out_ += "<head>\n"
            "<META Name=\"Generator\" Content=\"Quillplot\">\n"
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252          \">\n"
            "</head>\n"
            "<style>\n"
            "v\\:* {behavior=url(#default#VML)}\n"
            "</style>\n"
            "<body>\n";
}

void VmlWriter::error_heading(bool with_title, std::string_view title) {
    out_ += "<html>\n<xml:namespace prefix=\"v\"/>\n";
    if (with_title) {
        emit<"<title>%s</title>\n">(
        title);
    }
    out_ += "<head><META Name=\"Generator\" Content=\"Quillplot\"></head>\n"
            "<style>\n"
            "v\\:* {behavior=url(#default#VML)}\n"
            "</style>\n"
            "<body>\n";
}

void VmlWriter::raw(std::string_view bytes) { out_.append(bytes); }

// --- Chart block and frame ---

void VmlWriter::block_relative(int left, std::string_view id) {
    emit<"<div style='position:relative;left:%dpx' %s>\n">(
        left, id);
}

void VmlWriter::block_absolute(int top, int left, std::string_view id) {
    emit<"<div style='position:absolute;top:%dpx;left:%dpx' %s>\n">(
        top, left, id);
}

void VmlWriter::bare_block_relative(int left) {
    emit<"<div style='position:relative;left:%dpx'>\n">(
        left);
}

void VmlWriter::bare_block_absolute(int top, int left) {
    emit<"<div style='position:absolute;top:%dpx;left:%dpx'>\n">(
        top, left);
}

void VmlWriter::group_open(int width, int height) {
    emit<"<v:group style='antialias:false;width:%dpx;height:%dpx' coordsize='%d,%d'>\n">(
        width, height, width, height);
}

void VmlWriter::group_close() { out_ += "</v:group></div>\n"; }

void VmlWriter::background_roundrect(std::string_view arcsize, std::string_view fill,
                                     std::string_view stroke, int weight, int top,
                                     int left, int width, int height, bool shadow) {
    emit<"<v:roundrect %s  fillcolor='%q' strokecolor='%q' strokeweight='%dpx' "
        "style='position:absolute;top:%d;left:%d;width:%d;height:%d' >\n">(
        arcsize, fill, stroke, weight, top, left, width, height);
    if (shadow) out_ += "<v:shadow  on=\"t\" />\n";
    out_ += "</v:roundrect>\n";
}

void VmlWriter::error_notice(long long width, long long height, std::string_view file_name) {
    emit<"<v:roundrect arcsize='0' fillcolor='red' strokecolor='blue' strokeweight='1px' "
        "style='position:absolute;top:1px;left:1px;width:%dpx;height:%dpx' >\n"
        "</v:roundrect>\n"
        "<v:shape style='position:absolute;top:2;left:2;text-align:center;width:%d;height:%d;"
        "font:normal normal bold 16 Arial;color:white;background:red' >\n"
        "<v:textbox/>ERRORS in %s</v:textbox/>\n"
        "</v:shape>\n">(
        width - 2, height - 2, width - 4, height - 4, file_name);
}

void VmlWriter::filled_rect(std::string_view fill, std::string_view stroke, int top,
                            int left, int width, int height) {
    emit<"<v:rect fillcolor='%q' strokecolor='%q' strokeweight='1px' "
        "style='position:absolute;top:%d;left:%d;width:%d;height:%d' >\n</v:rect>\n">(
        fill, stroke, top, left, width, height);
}

// --- Lines ---

void VmlWriter::series_line(const Attribute& id, int x1, int y1, int x2, int y2, int weight,
                            std::string_view color, const Attribute& link, const Attribute& title) {
    emit<"<v:line %s style='position:absolute' from='%d,%d' to='%d,%d' "
        "strokeweight='%dpx' strokecolor='%q' %s %s>\n</v:line>\n">(
        id, x1, y1, x2, y2, weight, color, link, title);
}

void VmlWriter::rule_line(int x1, int y1, int x2, int y2, int weight,
                          std::string_view color) {
    emit<"<v:line style='position:absolute' from='%d,%d' to='%d,%d' "
        "strokeweight='%dpx' strokecolor='%q' >\n</v:line>\n">(
        x1, y1, x2, y2, weight, color);
}

// --- Text ---

void VmlWriter::text_shape(int top, int left, std::string_view align, int width,
                           int height, const TextStyle& style, std::string_view text) {
    caption_shape(top, left, align, width, height, style, text);
    out_ += '\n';
}

void VmlWriter::caption_shape(int top, int left, std::string_view align, int width,
                              int height, const TextStyle& s, std::string_view text) {
    emit<"<v:shape style='position:absolute;top:%d;left:%d;text-align:%q;width:%d;"
        "height:%d; font:%q normal %q %d %q;color:%q;background:%q' >\n"
        "<v:textbox/>%s</v:textbox/>\n</v:shape>">(
        top, left, align, width, height, s.italic, s.bold, s.size, s.font, s.color, s.background,
        text);
}

void VmlWriter::x_label_shape(int top, int left, int height, int width,
                              const TextStyle& s, std::string_view text) {
    emit<"<v:shape style='position:absolute;top:%d;left:%d;height:%d;width:%d; "
        "font:%q normal %q %d %q;color:%q;background:%q' >\n"
        "<v:textbox/>%s</v:textbox/>\n</v:shape>\n">(
        top, left, height, width, s.italic, s.bold, s.size, s.font, s.color, s.background, text);
}

void VmlWriter::value_label_open(int top, int left, std::string_view align, int width,
                                 int height, const TextStyle& s) {
    emit<"<v:shape style='position:absolute;top:%d;left:%d;text-align:%q;width:%d;"
        "height:%d; font:%q normal %q %d %q;color:%q;background:%q'>\n">(
        top, left, align, width, height, s.italic, s.bold, s.size, s.font, s.color, s.background);
}

void VmlWriter::value_line_rounded(float value) {
    emit<"<v:textbox/>%d</v:textbox/>\n">(
        round_to_int(value));
}

void VmlWriter::value_line_fixed(float value, int width, int decimals) {
    emit<"<v:textbox/>%s</v:textbox/>\n">(
        fixed_text(value, width, decimals));
}

void VmlWriter::shape_end() { out_ += "</v:shape>\n"; }

void VmlWriter::text_stripe(bool positioned, int x1, int y1, int x2, int y2,
                            std::string_view color, int weight) {
    emit<"<v:line %sfrom='%d %d' to='%d %d' strokecolor='%q' strokeweight='%dpx'>\n"
        "</v:line>\n">(
        positioned ? "style='position:absolute' " : "", x1, y1, x2, y2, color, weight);
}

void VmlWriter::text_path(bool positioned, int x1, int y1, int x2, int y2,
                          std::string_view align, const TextStyle& s,
                          std::string_view text) {
    emit<"<v:line %sfrom='%d %d' to='%d %d' strokecolor='%q'>\n"
        "<v:fill on='True' color='%q'/>\n"
        "<v:path textpathok='True'/>\n"
        "<v:textpath on='True' string='%q' style='v-text-align:%q;font:%q normal %q %d %q'/>\n"
        "</v:line>\n">(
        positioned ? "style='position:absolute' " : "", x1, y1, x2, y2, s.color, s.color, text,
        align, s.italic, s.bold, s.size, s.font);
}

}  // namespace qp
