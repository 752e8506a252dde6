// The record scanner: reads a chart description file line by line, hands
// each record to its reader by the line's first letter, reads the stencil
// files that AREA records name, and closes each chart that a later AREA
// record ends.
#include <array>
#include <memory>
#include <string>
#include <utility>

#include "log/diagnostics.h"
#include "log/html_text.h"
#include "read/chart_reader.h"
#include "read/field_syntax.h"
#include "read/record_readers.h"

namespace qp {

namespace {

enum class FileKind { ChartDescription, Stencil };
enum class StencilVariant { FirstArea, LaterArea };

// The records other than AREA: the reader and what follows it.
struct RecordEntry {
    char letter;
    void (*read)(RecordContext&);
    void (*before)(ChartState&);
    void (*after)(ChartState&);
};

constexpr std::array<RecordEntry, 7> kRecords{{
    {'B', read_border_record, nullptr, [](ChartState& st) { st.border.B = 1; }},
    {'P', read_plot_record, nullptr, nullptr},
    {'T', read_title_record, nullptr, nullptr},
    {'L', read_legend_record, nullptr, [](ChartState& st) { st.legend.Lp = 1; }},
    {'X', read_x_record, nullptr, nullptr},
    {'Y', read_y_record, nullptr, nullptr},
    {'D', read_series_record, [](ChartState& st) { st.koldata += 1; }, nullptr},
}};

const RecordEntry* find_record(int letter) {
    for (const RecordEntry& entry : kRecords) {
        if (entry.letter == letter) return &entry;
    }
    return nullptr;
}

class RecordScanner {
public:
    RecordScanner(ChartState& st, RunContext& run, Scanner& sc, ChartSink* sink)
        : st_(st), run_(run), sc_(sc), sink_(sink) {}

    // Reads the file that sc stands on to its end; a stencil file ends at
    // its first line that does not begin with a record letter.
    void read_lines(FileKind kind);

private:
    void read_area(FileKind kind);
    void read_stencil(StencilVariant variant);

    ChartState& st_;
    RunContext& run_;
    Scanner& sc_;
    ChartSink* sink_;   // none while a stencil is read
};

void RecordScanner::read_lines(FileKind kind) {
    sc_.line_number = 0;
    sc_.at_eof = 0;
    while (sc_.at_eof == 0) {
        sc_.start_line();
        int c = sc_.next_char();
        while (is_blank(c)) c = sc_.next_char();
        if (is_line_end(c)) continue;
        // Before a record's first field, a report marks the record letter.
        sc_.field_column = sc_.column;
        const int letter = ascii_upper(c);
        RecordContext rc{st_, run_, sc_};
        if (letter == 'A') {
            read_area(kind);
        } else if (const RecordEntry* entry = find_record(letter)) {
            if (entry->before != nullptr) entry->before(st_);
            entry->read(rc);
            if (entry->after != nullptr) entry->after(st_);
        } else {
            sc_.resume_after(report_expected(run_, sc_.spot(), kRecordLetters));
            if (kind == FileKind::Stencil) return;   // the rest of the stencil is ignored
        }
    }
}

void RecordScanner::read_area(FileKind kind) {
    RecordContext rc{st_, run_, sc_};
    if (kind == FileKind::Stencil) {
        read_stencil_area_record(rc);
        return;
    }
    if (st_.file.numAREA == 0) {
        read_area_record(rc);
        st_.file.numAREA += 1;
        st_.file.ONE_file = st_.area.Afile_output.empty() ? 1 : -1;
        if (!st_.area.Afile_markup.empty()) read_stencil(StencilVariant::FirstArea);
        return;
    }
    // A later AREA record closes the chart read so far.
    if (run_.file_error == 0) sink_->output_chart();
    sink_->end_chart();
    set_defaults(st_);
    read_area_record(rc);
    if (!st_.area.Afile_markup.empty()) read_stencil(StencilVariant::LaterArea);
    st_.file.numAREA += 1;
}

void RecordScanner::read_stencil(StencilVariant variant) {
    const std::string& name = st_.area.Afile_markup;
    // A name with a drive letter stands as it is; any other is looked for
    // in the input directory.
    const std::string path = (name.size() >= 2 && name[1] == ':') ? name : run_.input_dir + name;
    const Msg announce =
        variant == StencilVariant::FirstArea ? Msg::StencilIsInputtedFrom : Msg::InputFrom;
    run_.console << builtin_text(announce) << ' ' << path << '\n';
    run_.log << run_.cat(announce) << ' ' << as_text(path) << "<br>\n";

    if (std::unique_ptr<InputFile> file = run_.fs.open_read(path)) {
        const int error_before = run_.file_error;
        run_.file_error = 0;
        // The stencil has a scanner of its own; the chart description file
        // goes on after its AREA record.
        TextPieces pieces(std::move(file));
        Scanner stencil(pieces);
        std::string chart_path = std::exchange(run_.input_path, path);
        RecordScanner(st_, run_, stencil, nullptr).read_lines(FileKind::Stencil);
        if (stencil.cut_short()) report_cut_short(run_, path);
        run_.input_path = std::move(chart_path);
        const bool stencil_errors = run_.file_error != 0;
        run_.file_error = (error_before != 0 || stencil_errors) ? 1 : 0;
        if (stencil_errors && variant == StencilVariant::FirstArea) {
            run_.console << builtin_text(Msg::ErrorsAreFoundInFile) << ' ' << path << '\n';
            run_.log << kRed << run_.cat(Msg::ErrorsAreFoundInFile) << ' ' << as_text(path) << ' ' << kEnd
                     << "<br>\n";
        }
    } else {
        run_.console << builtin_text(Msg::File) << ' ' << path << ' '
                     << builtin_text(Msg::DoesNotFound) << '\n';
        run_.log << kRed << run_.cat(Msg::File) << ' ' << as_text(path) << ' ' << run_.cat(Msg::DoesNotFound)
                 << kEnd << "<br>\n";
        tell_terminal_about_file(run_, path, builtin_text(Msg::DoesNotFound));
        run_.file_error = 1;
    }
}

}  // namespace

void read_chart_description(ChartState& st, RunContext& run, Scanner& sc, ChartSink& sink) {
    set_defaults(st);
    st.file.ONE_file = -1;
    RecordScanner(st, run, sc, &sink).read_lines(FileKind::ChartDescription);
}

}  // namespace qp
