// The exact texts of the page, the blocks and boxes, rules and lines, and
// the texts of a chart.  Each element is one format; the conversions are
// filled in order.
#include "page/vml_canvas.h"

#include <charconv>
#include <string>
#include <system_error>

#include "log/html_text.h"
#include "model/pixel_math.h"
#include "page/vml_format.h"

namespace qp {

namespace {

// The end of every page that has not its own ending.
constexpr std::string_view kPageEnd = "</body></html>";

std::string_view align_text(Align align) {
    switch (align) {
        case Align::Left: return "left";
        case Align::Right: return "right";
        case Align::Center: break;
    }
    return "center";
}

// The id attribute text of a block with its leading blank, or nothing.
// Formed once per block.
std::string block_id(std::string_view id) {
    return id.empty() ? std::string() : " " + VmlWriter::id_attr(id);
}

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

}  // namespace

std::string_view VmlCanvas::shown(std::string_view text, bool as_text) {
    if (!as_text) return text;
    shown_.clear();
    append_html_text(shown_, text);
    return shown_;
}

// --- Page ---

void VmlCanvas::heading(const PageHeading& heading) {
    out_.raw("<html>\n<xml:namespace prefix=\"v\"/>\n");
    if (heading.title_line) {
        // An error page shows its title as text.
        out_.emit<"<title>%s</title>\n">(
            shown(heading.title, markup_as_text_ || heading.error_page));
    }
    if (heading.error_page) {
        // The error page's head stands on one line, without a character set.
        out_.raw("<head><META Name=\"Generator\" Content=\"Quillplot\"></head>\n");
    } else {
        out_.raw("<head>\n"
                 "<META Name=\"Generator\" Content=\"Quillplot\">\n"
                 "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252          \">\n"
                 "</head>\n");
    }
    out_.raw("<style>\n"
             "v\\:* {behavior=url(#default#VML)}\n"
             "</style>\n"
             "<body>\n");
}

void VmlCanvas::verbatim(std::string_view bytes) { out_.copy(bytes); }

void VmlCanvas::page_end() { out_.raw(kPageEnd); }

// --- Blocks and boxes ---

void VmlCanvas::begin_block(const Block& b) {
    if (!b.id_slot) {
        if (b.in_flow) {
            out_.emit<"<div style='position:relative;left:%dpx'>\n">(
                b.left);
        } else {
            out_.emit<"<div style='position:absolute;top:%dpx;left:%dpx'>\n">(
                b.top, b.left);
        }
    } else if (b.in_flow) {
        out_.emit<"<div style='position:relative;left:%dpx' %s>\n">(
            b.left, block_id(b.id));
    } else {
        out_.emit<"<div style='position:absolute;top:%dpx;left:%dpx' %s>\n">(
            b.top, b.left, block_id(b.id));
    }
    out_.emit<"<v:group style='antialias:false;width:%dpx;height:%dpx' coordsize='%d,%d'>\n">(
        b.width, b.height, b.width, b.height);
}

void VmlCanvas::end_block() { out_.raw("</v:group></div>\n"); }

void VmlCanvas::frame_box(const FrameBox& f) {
    const std::string_view arcsize =
        f.corners == Corners::Round ? "arcsize='0.05'" : "arcsize='0'";
    out_.emit<"<v:roundrect %s  fillcolor='%q' strokecolor='%q' strokeweight='%dpx' "
              "style='position:absolute;top:%d;left:%d;width:%d;height:%d' >\n">(
        arcsize, f.fill, f.stroke, f.weight, f.box.top, f.box.left, f.box.width, f.box.height);
    if (f.shadow) out_.raw("<v:shadow  on=\"t\" />\n");
    out_.raw("</v:roundrect>\n");
}

void VmlCanvas::fill_rect(const Rect& b, std::string_view color) {
    out_.emit<"<v:rect fillcolor='%q' strokecolor='%q' strokeweight='1px' "
              "style='position:absolute;top:%d;left:%d;width:%d;height:%d' >\n</v:rect>\n">(
        color, color, b.top, b.left, b.width, b.height);
}

void VmlCanvas::error_notice(int width, int height, std::string_view file_name) {
    // Formed wide, so that no size, however large, wraps around.
    const long long w = width;
    const long long h = height;
    out_.emit<"<v:roundrect arcsize='0' fillcolor='red' strokecolor='blue' strokeweight='1px' "
              "style='position:absolute;top:1px;left:1px;width:%dpx;height:%dpx' >\n"
              "</v:roundrect>\n"
              "<v:shape style='position:absolute;top:2;left:2;text-align:center;width:%d;height:%d;"
              "font:normal normal bold 16 Arial;color:white;background:red' >\n"
              "<v:textbox/>ERRORS in %s</v:textbox/>\n"
              "</v:shape>\n">(
        w - 2, h - 2, w - 4, h - 4, shown(file_name, true));
}

// --- Lines ---

void VmlCanvas::rule(Point from, Point to, int weight, std::string_view color) {
    out_.emit<"<v:line style='position:absolute' from='%d,%d' to='%d,%d' "
              "strokeweight='%dpx' strokecolor='%q' >\n</v:line>\n">(
        from.x, from.y, to.x, to.y, weight, color);
}

void VmlCanvas::line(Point from, Point to, int weight, std::string_view color,
                     const Tags& tags) {
    out_.emit<"<v:line %s style='position:absolute' from='%d,%d' to='%d,%d' "
              "strokeweight='%dpx' strokecolor='%q' %s %s>\n</v:line>\n">(
        VmlWriter::id(tags.id), from.x, from.y, to.x, to.y, weight, color,
        VmlWriter::link(tags.link), shown_title(tags.title));
}

// --- Text ---

void VmlCanvas::text_box(TextRole role, const Rect& b, Align align, const TextStyle& s,
                         std::string_view raw_text) {
    const std::string_view text = shown(raw_text, markup_as_text_);
    switch (role) {
        case TextRole::Title:
        case TextRole::XCaption:
        case TextRole::YCaption:
            out_.emit<"<v:shape style='position:absolute;top:%d;left:%d;text-align:%q;width:%d;"
                      "height:%d; font:%q normal %q %d %q;color:%q;background:%q' >\n"
                      "<v:textbox/>%s</v:textbox/>\n</v:shape>">(
                b.top, b.left, align_text(align), b.width, b.height, s.italic, s.bold, s.size,
                s.font, s.color, s.background, text);
            // A scale's caption across its side has no line end.
            if (role != TextRole::YCaption) out_.raw("\n");
            break;
        case TextRole::CategoryLabel:
            out_.emit<"<v:shape style='position:absolute;top:%d;left:%d;height:%d;width:%d; "
                      "font:%q normal %q %d %q;color:%q;background:%q' >\n"
                      "<v:textbox/>%s</v:textbox/>\n</v:shape>\n">(
                b.top, b.left, b.height, b.width, s.italic, s.bold, s.size, s.font, s.color,
                s.background, text);
            break;
        case TextRole::LegendLabel:
            out_.emit<"<v:shape style='position:absolute;top:%d;left:%d;height:%d;width:%d; "
                      "font:%q normal %q %d %q;color:%q' >\n"
                      "<v:textbox/>%s</v:textbox/>\n</v:shape>\n">(
                b.top, b.left, b.height, b.width, s.italic, s.bold, s.size, s.font, s.color, text);
            break;
    }
}

void VmlCanvas::text_along(TextRole role, Point from, Point to, Align align,
                           const TextStyle& s, std::string_view raw_text) {
    const std::string_view text = shown(raw_text, markup_as_text_);
    // Only a scale's caption stands positioned in the group.
    const std::string_view position =
        role == TextRole::YCaption ? "style='position:absolute' " : "";
    if (!s.background.empty()) {
        out_.emit<"<v:line %sfrom='%d %d' to='%d %d' strokecolor='%q' strokeweight='%dpx'>\n"
                  "</v:line>\n">(
            position, from.x, from.y, to.x, to.y, s.background,
            clamp_to_int(static_cast<long long>(s.size) + 2));
    }
    out_.emit<"<v:line %sfrom='%d %d' to='%d %d' strokecolor='%q'>\n"
              "<v:fill on='True' color='%q'/>\n"
              "<v:path textpathok='True'/>\n"
              "<v:textpath on='True' string='%q' style='v-text-align:%q;font:%q normal %q %d %q'/>\n"
              "</v:line>\n">(
        position, from.x, from.y, to.x, to.y, s.color, s.color, text, align_text(align),
        s.italic, s.bold, s.size, s.font);
}

void VmlCanvas::number_line(const Number& number) {
    if (number.decimals == 0) {
        out_.emit<"<v:textbox/>%d</v:textbox/>\n">(
            round_to_int(number.value));
    } else {
        out_.emit<"<v:textbox/>%s</v:textbox/>\n">(
            fixed_text(number.value, number.field_width, number.decimals));
    }
    out_.raw("</v:shape>\n");
}

void VmlCanvas::scale_label(const Rect& b, Align align, const TextStyle& s,
                            const Number& number) {
    out_.emit<"<v:shape style='position:absolute;top:%d;left:%d;text-align:%q;width:%d;"
              "height:%d; font:%q normal %q %d %q;color:%q;background:%q'>\n">(
        b.top, b.left, align_text(align), b.width, b.height, s.italic, s.bold, s.size, s.font,
        s.color, s.background);
    number_line(number);
}

}  // namespace qp
