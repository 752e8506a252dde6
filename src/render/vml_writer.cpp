#include "vml_writer.h"

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

std::string quoted_attr(std::string_view name, std::string_view value) {
    if (value.empty()) return {};
    std::string s(name);
    s += "='";
    s += VmlWriter::escape_attr(value);
    s += '\'';
    return s;
}

}  // namespace

// --- Attribute texts ---

std::string VmlWriter::escape_attr(std::string_view text, char quote) {
    const std::string_view ref = quote == '"' ? "&quot;" : "&#39;";
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c == quote) {
            s += ref;
        } else {
            s += c;
        }
    }
    return s;
}

std::string VmlWriter::id_attr(std::string_view id) { return quoted_attr("id", id); }
std::string VmlWriter::title_attr(std::string_view text) { return quoted_attr("title", text); }
std::string VmlWriter::link_attr(std::string_view url) { return quoted_attr("href", url); }

// --- Helpers ---

void VmlWriter::put_int(long long n) {
    char buf[24];
    auto res = std::to_chars(buf, buf + sizeof buf, n);
    out_.append(buf, res.ptr);
}

void VmlWriter::put_attr(std::string_view text) {
    for (char c : text) {
        if (c == '\'') {
            out_ += "&#39;";
        } else {
            out_ += c;
        }
    }
}

void VmlWriter::put_font(const TextStyle& style) {
    put("font:");
    put_attr(style.italic);
    put(" normal ");
    put_attr(style.bold);
    put(' ');
    put_int(style.size);
    put(' ');
    put_attr(style.font);
}

// --- Page ---

void VmlWriter::standard_heading(bool with_title, std::string_view title) {
    put("<html>\n<xml:namespace prefix=\"v\"/>\n");
    if (with_title) {
        put("<title>");
        put(title);
        put("</title>\n");
    }
    put("<head>\n"
        "<META Name=\"Generator\" Content=\"Quillplot\">\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252          \">\n"
        "</head>\n"
        "<style>\n"
        "v\\:* {behavior=url(#default#VML)}\n"
        "</style>\n"
        "<body>\n");
}

void VmlWriter::raw(std::string_view bytes) { put(bytes); }

// --- Chart block and frame ---

void VmlWriter::block_relative(int left, std::string_view id) {
    put("<div style='position:relative;left:");
    put_int(left);
    put("px' ");
    put(id);
    put(">\n");
}

void VmlWriter::block_absolute(int top, int left, std::string_view id) {
    put("<div style='position:absolute;top:");
    put_int(top);
    put("px;left:");
    put_int(left);
    put("px' ");
    put(id);
    put(">\n");
}

void VmlWriter::group_open(int width, int height) {
    put("<v:group style='antialias:false;width:");
    put_int(width);
    put("px;height:");
    put_int(height);
    put("px' coordsize='");
    put_int(width);
    put(',');
    put_int(height);
    put("'>\n");
}

void VmlWriter::group_close() { put("</v:group></div>\n"); }

void VmlWriter::background_roundrect(std::string_view arcsize, std::string_view fill,
                                     std::string_view stroke, int weight, int top,
                                     int left, int width, int height, bool shadow) {
    put("<v:roundrect ");
    put(arcsize);
    put("  fillcolor='");
    put_attr(fill);
    put("' strokecolor='");
    put_attr(stroke);
    put("' strokeweight='");
    put_int(weight);
    put("px' style='position:absolute;top:");
    put_int(top);
    put(";left:");
    put_int(left);
    put(";width:");
    put_int(width);
    put(";height:");
    put_int(height);
    put("' >\n");
    if (shadow) put("<v:shadow  on=\"t\" />\n");
    put("</v:roundrect>\n");
}

void VmlWriter::filled_rect(std::string_view fill, std::string_view stroke, int top,
                            int left, int width, int height) {
    put("<v:rect fillcolor='");
    put_attr(fill);
    put("' strokecolor='");
    put_attr(stroke);
    put("' strokeweight='1px' style='position:absolute;top:");
    put_int(top);
    put(";left:");
    put_int(left);
    put(";width:");
    put_int(width);
    put(";height:");
    put_int(height);
    put("' >\n</v:rect>\n");
}

// --- Lines ---

void VmlWriter::series_line(std::string_view id_attr, int x1, int y1, int x2, int y2,
                            int weight, std::string_view color,
                            std::string_view link_attr, std::string_view title_attr) {
    put("<v:line ");
    put(id_attr);
    put(" style='position:absolute' from='");
    put_int(x1);
    put(',');
    put_int(y1);
    put("' to='");
    put_int(x2);
    put(',');
    put_int(y2);
    put("' strokeweight='");
    put_int(weight);
    put("px' strokecolor='");
    put_attr(color);
    put("' ");
    put(link_attr);
    put(' ');
    put(title_attr);
    put(">\n</v:line>\n");
}

void VmlWriter::rule_line(int x1, int y1, int x2, int y2, int weight,
                          std::string_view color) {
    put("<v:line style='position:absolute' from='");
    put_int(x1);
    put(',');
    put_int(y1);
    put("' to='");
    put_int(x2);
    put(',');
    put_int(y2);
    put("' strokeweight='");
    put_int(weight);
    put("px' strokecolor='");
    put_attr(color);
    put("' >\n</v:line>\n");
}

// --- Text ---

void VmlWriter::text_shape(int top, int left, std::string_view align, int width,
                           int height, const TextStyle& style, std::string_view text) {
    caption_shape(top, left, align, width, height, style, text);
    put('\n');
}

void VmlWriter::caption_shape(int top, int left, std::string_view align, int width,
                              int height, const TextStyle& style,
                              std::string_view text) {
    put("<v:shape style='position:absolute;top:");
    put_int(top);
    put(";left:");
    put_int(left);
    put(";text-align:");
    put_attr(align);
    put(";width:");
    put_int(width);
    put(";height:");
    put_int(height);
    put("; ");
    put_font(style);
    put(";color:");
    put_attr(style.color);
    put(";background:");
    put_attr(style.bgcolor);
    put("' >\n<v:textbox/>");
    put(text);
    put("</v:textbox/>\n</v:shape>");
}

void VmlWriter::x_label_shape(int top, int left, int height, int width,
                              const TextStyle& style, std::string_view text) {
    put("<v:shape style='position:absolute;top:");
    put_int(top);
    put(";left:");
    put_int(left);
    put(";height:");
    put_int(height);
    put(";width:");
    put_int(width);
    put("; ");
    put_font(style);
    put(";color:");
    put_attr(style.color);
    put(";background:");
    put_attr(style.bgcolor);
    put("' >\n<v:textbox/>");
    put(text);
    put("</v:textbox/>\n</v:shape>\n");
}

void VmlWriter::value_label_open(int top, int left, std::string_view align, int width,
                                 int height, const TextStyle& style) {
    put("<v:shape style='position:absolute;top:");
    put_int(top);
    put(";left:");
    put_int(left);
    put(";text-align:");
    put_attr(align);
    put(";width:");
    put_int(width);
    put(";height:");
    put_int(height);
    put("; ");
    put_font(style);
    put(";color:");
    put_attr(style.color);
    put(";background:");
    put_attr(style.bgcolor);
    put("'>\n");
}

void VmlWriter::value_line_rounded(float value) {
    put("<v:textbox/>");
    put_int(round_to_int(value));
    put("</v:textbox/>\n");
}

void VmlWriter::value_line_fixed(float value, int width, int decimals) {
    put("<v:textbox/>");
    put(fixed_text(value, width, decimals));
    put("</v:textbox/>\n");
}

void VmlWriter::shape_end() { put("</v:shape>\n"); }

void VmlWriter::text_stripe(bool positioned, int x1, int y1, int x2, int y2,
                            std::string_view color, int weight) {
    put(positioned ? "<v:line style='position:absolute' from='" : "<v:line from='");
    put_int(x1);
    put(' ');
    put_int(y1);
    put("' to='");
    put_int(x2);
    put(' ');
    put_int(y2);
    put("' strokecolor='");
    put_attr(color);
    put("' strokeweight='");
    put_int(weight);
    put("px'>\n</v:line>\n");
}

void VmlWriter::text_path(bool positioned, int x1, int y1, int x2, int y2,
                          std::string_view align, const TextStyle& style,
                          std::string_view text) {
    put(positioned ? "<v:line style='position:absolute' from='" : "<v:line from='");
    put_int(x1);
    put(' ');
    put_int(y1);
    put("' to='");
    put_int(x2);
    put(' ');
    put_int(y2);
    put("' strokecolor='");
    put_attr(style.color);
    put("'>\n<v:fill on='True' color='");
    put_attr(style.color);
    put("'/>\n<v:path textpathok='True'/>\n<v:textpath on='True' string='");
    put_attr(text);
    put("' style='v-text-align:");
    put_attr(align);
    put(';');
    put_font(style);
    put("'/>\n</v:line>\n");
}

}  // namespace qp
