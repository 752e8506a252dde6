// Chart file processing: every chart that the reading of a chart
// description file completes is written into its page, or, once the file
// has errors, replaced by an error page.  The charts of a file share one
// page when its first AREA record names none; otherwise each chart has a
// page of its own.
#include "app/chart_file.h"
#include "app/run_steps.h"

#include <ostream>
#include <utility>
#include <vector>

#include "layout/completion.h"
#include "layout/series_finishing.h"
#include "read/chart_reader.h"
#include "draw/render_driver.h"
#include "page/error_page.h"
#include "page/output_page.h"
#include "page/svg_canvas.h"
#include "page/vml_canvas.h"
#include "read/scanner.h"
#include "log/diagnostics.h"
#include "log/html_text.h"
#include "log/texts.h"
#include "platform/build_limits.h"

namespace qp {

namespace {

constexpr std::string_view kPageEnd = "</body></html>";
// The page text is handed to its file whenever it has grown past this.
constexpr std::size_t kSpillBytes = std::size_t{1} << 20;

class ChartFile : public ChartSink {
public:
    ChartFile(ChartState& st, RunContext& run, PageText& page_text, const Options& options)
        : st_(st), run_(run), page_(page_text), options_(options) {}

    void output_chart() override;
    void end_chart() override;
    // The run loop's end of a file: a shared page still open is finished
    // and closed.
    void close_shared_page();
    // A page of the file could not be stored.
    bool page_lost() const { return page_lost_; }

private:
    bool first_chart() const { return st_.file.numAREA <= 1; }
    bool shared() const { return st_.file.ONE_file == 1; }
    void keep_area();
    bool open_page(const std::string& name);
    std::string_view refusal(const std::string& name);
    void report_not_opened(const std::string& name, std::string_view reason);
    void close_page();
    void copy_ending_file();
    void report_generated();
    void report_not_generated();
    void draw_chart();
    void draw_error_page(const ErrorPageHeading& lead);

    ChartState& st_;
    RunContext& run_;
    OutputPage page_;
    const Options& options_;
    SvgPage svg_page_;          // what the charts of an SVG page share
    std::string output_path_;   // the page last opened for a drawn chart
    AreaPlace area_;            // the chart's area as its records gave it
    bool area_kept_ = false;
    bool ending_failed_ = false;
    bool page_lost_ = false;
    // Where the run log announces charts of the shared page, which are
    // taken back should the page not be stored in the end.
    std::vector<WrittenPart> announcements_;
};

// The area as read, before completion changes it, so that an
// error page stands where the chart would have stood.
void ChartFile::keep_area() {
    if (area_kept_) return;
    area_ = AreaPlace{st_.area.Aleft, st_.area.Atop, st_.area.Awidth, st_.area.Aheight};
    area_kept_ = true;
}

// Why `name` may not be written: it is the run log, or a file that this
// run has read (a chart description, stencil, heading, ending, job or
// message file).  Empty when it may.
std::string_view ChartFile::refusal(const std::string& name) {
    const FileIdentity target = run_.fs.identify(name);
    if (same_file(target, run_.log_file)) return kIsTheRunLog;
    if (run_.files_read.contains(target)) return kIsReadByTheRun;
    return {};
}

void ChartFile::report_not_opened(const std::string& name, std::string_view reason) {
    qp::report_not_opened(run_, name, reason);
    run_.page_lost = true;
    run_.file_error = 1;
}

// Opens `name` as the page in hand; reports and sets the file's error flag
// when it cannot be.
bool ChartFile::open_page(const std::string& name) {
    const std::string_view file = builtin_text(Msg::File);
    if (static_cast<int>(name.size()) > kPathMax) {
        if (page_.is_open()) close_page();
        run_.console << file << ' ' << name << ": " << builtin_text(Msg::WrongNameLength) << '\n';
        run_.log << kRed << run_.cat(Msg::File) << ' ' << as_text(name) << ": "
                 << run_.cat(Msg::WrongNameLength) << kEnd << "<br>\n";
        tell_terminal_about_file(run_, name, builtin_text(Msg::WrongNameLength));
        run_.page_lost = true;
        run_.file_error = 1;
        return false;
    }
    if (page_.is_open()) close_page();
    // An SVG page names itself by its file name, without the directory.
    svg_page_.reset(std::string_view(name).substr(name.find_last_of("\\/") + 1));
    const std::string_view reason = refusal(name);
    if (reason.empty() && page_.open(run_.pages(), name)) return true;
    report_not_opened(name, reason);
    return false;
}

// Closes the page in hand.  The charts of a shared page stand announced
// once it is stored; should it not be stored, their announcements are
// taken back and the page is reported as not generated.
void ChartFile::close_page() {
    if (!page_.is_open()) return;
    const bool stored = page_.close();
    if (!stored) run_.log.withdraw(announcements_);
    announcements_.clear();
    if (!stored && page_.announced && !page_.failure_reported) report_not_generated();
}

// An own page is announced once it is closed; a shared page's charts are
// announced as they are drawn, and the run log takes the announcements
// back should the page not be stored.
void ChartFile::report_generated() {
    const std::uint64_t at = run_.log.position();
    run_.log << run_.cat(Msg::File) << ' ' << as_text(page_.name()) << ' ' << run_.cat(Msg::IsGenerated)
             << "<br>\n";
    if (shared()) announcements_.push_back(WrittenPart{at, run_.log.position() - at});
    page_.announced = true;
}

void ChartFile::report_not_generated() {
    run_.console << builtin_text(Msg::File) << ' ' << page_.name() << ' '
                 << builtin_text(Msg::DoesNotGenerated) << '\n';
    run_.log << kRed << run_.cat(Msg::File) << ' ' << as_text(page_.name()) << ' '
             << run_.cat(Msg::DoesNotGenerated) << kEnd << "<br>\n";
    tell_terminal_about_file(run_, page_.name(), builtin_text(Msg::DoesNotGenerated));
    run_.page_lost = true;
    page_.failure_reported = true;
    // The file counts as having errors once it is done; until then its
    // charts go on as drawn, and none gets an error page for a page that
    // only could not be stored.
    page_lost_ = true;
}

// Appends the ending file to the page.  Sets ending_failed_ when it cannot
// be read.
void ChartFile::copy_ending_file() {
    ending_failed_ = false;
    if (st_.area.Afile_footer.empty()) return;
    // Copied in pieces, handed to the file as the page text grows.
    const bool copied = run_.fs.copy_text(
        st_.area.Afile_footer, kMaxCopiedFileBytes, [this](std::string_view piece) {
            page_.append(piece);
            if (page_.text().size() >= kSpillBytes) page_.flush();
        });
    if (copied) {
        run_.log << run_.cat(Msg::EndingFileIs) << ' ' << as_text(st_.area.Afile_footer) << "<br>\n";
        return;
    }
    run_.log << kRed << run_.cat(Msg::File) << ' ' << as_text(st_.area.Afile_footer) << ' '
             << run_.cat(Msg::DoesNotFound) << kEnd << "<br>\n";
    tell_terminal_about_file(run_, st_.area.Afile_footer, builtin_text(Msg::DoesNotFound));
    run_.file_error = 1;
    ending_failed_ = true;
}

void ChartFile::output_chart() {
    keep_area();

    st_.legend.Lgnum = 0;
    complete_fields(st_);
    finish_series(st_, run_);
    complete_axis_ranges(st_);
    complete_legend(st_);
    if (run_.file_error != 0) return;

    // The page: the first chart opens it; a later chart opens its own, or
    // goes into the page its file shares.
    if (first_chart()) {
        output_path_ = st_.area.Afile_output.empty() ? default_page_name(run_) : st_.area.Afile_output;
        if (!open_page(output_path_)) return;
    } else if (!shared()) {
        if (st_.area.Afile_output.empty()) {
            // An own page without a name: the reader has reported it.
            run_.file_error = 1;
            return;
        }
        output_path_ = st_.area.Afile_output;
        if (!open_page(output_path_)) return;
    } else if (!page_.is_open()) {
        // The shared page was never opened; try its name once more.
        if (!open_page(output_path_)) return;
    }

    draw_chart();
    const bool drawn = run_.file_error == 0;

    copy_ending_file();
    if (ending_failed_) {
        if (!shared()) {
            page_.append(kPageEnd);
            page_.close();
        } else {
            page_.flush();
        }
        return;
    }

    // An own page is finished and closed before it is announced, so that a
    // page that could not be stored whole is never logged as generated.
    bool stored;
    if (!shared()) {
        if (st_.area.Afile_footer.empty()) page_.append(kPageEnd);
        stored = page_.close();
    } else {
        stored = page_.flush();
    }
    if (!drawn) return;   // a missing heading file: nothing to announce
    if (stored) {
        report_generated();
    } else if (!page_.failure_reported) {
        report_not_generated();
    }
}

void ChartFile::end_chart() {
    keep_area();
    area_kept_ = false;   // the next chart keeps its own
    if (run_.file_error == 0) return;

    ErrorPageHeading lead;
    if (first_chart()) {
        // The error page replaces whatever the chart's page holds.
        const std::string name =
            st_.area.Afile_output.empty() ? default_page_name(run_) : st_.area.Afile_output;
        close_page();
        if (!open_page(name)) return;
        lead.heading = true;
        lead.title_line = !shared() && !st_.title.Ttext.empty();
    } else if (shared()) {
        if (!page_.is_open()) return;   // the shared page could not be opened
    } else if (!st_.area.Afile_output.empty()) {
        if (!open_page(st_.area.Afile_output)) return;
        lead.heading = true;
        lead.title_line = !st_.title.Ttext.empty();
    } else {
        return;   // an own page without a name (already reported by the reader)
    }

    draw_error_page(lead);

    // An error page that cannot be stored is reported like any page.
    if (!shared()) {
        page_.append(kPageEnd);
        if (!page_.close()) report_not_generated();
    } else if (!page_.flush() && !page_.failure_reported) {
        report_not_generated();
    }
}

// The page text is handed to the file whenever it has grown past a
// megabyte, so that a chart of any size is drawn in bounded memory.
void ChartFile::draw_chart() {
    const LayoutPolicy policy = options_.tidy ? LayoutPolicy::Tidy : LayoutPolicy::Specified;
    if (options_.format == PageFormat::Svg) {
        SvgCanvas canvas(page_.text(), svg_page_, [this] { page_.flush(); });
        if (options_.safe) canvas.show_markup_as_text();
        render_chart(st_, run_, canvas, policy);
    } else {
        VmlCanvas canvas(page_.text(), [this] { page_.flush(); });
        if (options_.safe) canvas.show_markup_as_text();
        render_chart(st_, run_, canvas, policy);
    }
}

void ChartFile::draw_error_page(const ErrorPageHeading& lead) {
    if (options_.format == PageFormat::Svg) {
        SvgCanvas canvas(page_.text(), svg_page_);
        qp::draw_error_page(canvas, area_, lead, ErrorPageTexts{st_.title.Ttext, run_.chart_name});
    } else {
        append_error_page(page_.text(), area_, lead, st_.title.Ttext, run_.chart_name);
    }
}

void ChartFile::close_shared_page() {
    if (!page_.is_open()) return;
    if (shared() && st_.area.Afile_footer.empty()) page_.append(kPageEnd);
    close_page();
}

}  // namespace

std::string default_page_name(const RunContext& run) {
    const std::string& name = run.chart_name;
    // The last "." counts unless it opens the name or belongs to a
    // directory of it.
    const std::size_t dot = name.rfind('.');
    const bool has_dot = dot != std::string::npos && dot > 0 &&
                         name.find_first_of("\\/", dot) == std::string::npos;
    if (has_dot) return run.output_dir + name.substr(0, dot + 1) + "htm";
    return run.output_dir + name + ".htm";
}

void process_chart_file(ChartState& st, RunContext& run, const std::string& text) {
    PageText page_text;
    Scanner sc(text);
    process_chart_file(st, run, page_text, sc);
}

void process_chart_file(ChartState& st, RunContext& run, PageText& page_text, Scanner& sc,
                        const Options& options) {
    st.file.numAREA = 0;
    ChartFile file(st, run, page_text, options);
    read_chart_description(st, run, sc, file);
    // A file not read to its end leaves its last chart unfinished: it gets
    // an error page, not a drawing of what was read.
    if (sc.cut_short()) report_cut_short(run, run.input_path);

    // The last chart of the file.
    if (run.file_error == 0) file.output_chart();
    file.end_chart();

    file.close_shared_page();
    if (file.page_lost()) run.file_error = 1;
}

}  // namespace qp
