// Whole runs whose files are read a piece at a time: the same run whatever
// the pieces' size, and a file whose reading fails before its end reported
// as not read, never as OK.  Job files from others (--safe) name no chart
// file outside their input directory.
#include <gtest/gtest.h>

#include "support/run_session.h"

namespace qp::test {
namespace {

const std::string kRed = "<font color='red'>";

struct PiecesRun {
    Session s;
    int code = 0;
    std::string console() const { return s.console.str(); }
    std::string errors() const { return s.errors.str(); }
    std::string log() { return s.log(); }
};

TEST(ReadInPieces, ARunIsTheSameWhateverThePiecesSize) {
    auto run = [](std::size_t read_size) {
        auto r = std::make_unique<PiecesRun>();
        r->s.fs.read_size = read_size;
        r->s.fs.files["j.qpj"] = "in\r\nout\r\n a.csv\r\n\r\nb.csv";
        r->s.fs.files["in/a.csv"] = kGoodChart + "PLOT;x\r\nX;a\\\r\nb;c\r\nAREA;;;;;;;st.csv\r\nD1;L;;;;;;1;2\r\n";
        r->s.fs.files["in/b.csv"] = "TITLE;;;;;;<b>\nZ?\n" + kGoodChart;
        r->s.fs.files["in/st.csv"] = "PLOT;1;q\nB;2\n";
        r->code = r->s.run({"j.qpj"});
        return r;
    };
    const auto whole = run(1 << 20);
    EXPECT_EQ(whole->code, 1);
    for (std::size_t size : {1, 2, 3, 5, 8}) {
        SCOPED_TRACE(size);
        const auto pieces = run(size);
        EXPECT_EQ(pieces->log(), whole->log());
        EXPECT_EQ(pieces->console(), whole->console());
        EXPECT_EQ(pieces->errors(), whole->errors());
        EXPECT_EQ(pieces->s.fs.files, whole->s.fs.files);
    }
}

TEST(ReadInPieces, AFileNotReadToItsEndIsAnError) {
    // The chart file: what was read is not drawn as if it were all.
    PiecesRun chart;
    chart.s.fs.files["c.csv"] = kGoodChart;
    chart.s.fs.fails_at_end["c.csv"] = true;
    EXPECT_EQ(chart.code = chart.s.run({"c.csv"}), 1);
    EXPECT_EQ(chart.console(), kStartConsole + "Input from c.csv\n" +
                                   "File c.csv: could not be read to its end\n" +
                                   "Errors are found in file c.csv\n" + kEndConsole);
    EXPECT_EQ(chart.errors(), "c.csv: could not be read to its end\n");
    EXPECT_NE(chart.log().find("Input from c.csv<br>\n" + kRed +
                               "File c.csv: could not be read to its end</font><br>\n"),
              std::string::npos);
    EXPECT_NE(chart.s.fs.files["c.htm"].find(">ERRORS in c.csv<"), std::string::npos);

    // A stencil: named as the file that failed; the chart file has errors.
    PiecesRun stencil;
    stencil.s.fs.files["c.csv"] = "AREA;0;0;300;200;white;c;st.csv\nD1;L1;2;red;;S;;1;2;3;\n";
    stencil.s.fs.files["st.csv"] = "PLOT;1;1\n";
    stencil.s.fs.fails_at_end["st.csv"] = true;
    EXPECT_EQ(stencil.s.run({"c.csv"}), 1);
    EXPECT_NE(stencil.console().find("Stencil is inputted from st.csv\nFile st.csv: could not be read to its end\n"
                                     "Errors are found in file st.csv\n"),
              std::string::npos);

    // A job file: the files it named before the failure are processed.
    PiecesRun job;
    job.s.fs.files["j.qpj"] = "in\nout\na.csv\n";
    job.s.fs.files["in/a.csv"] = kGoodChart;
    job.s.fs.fails_at_end["j.qpj"] = true;
    EXPECT_EQ(job.s.run({"j.qpj"}), 1);
    EXPECT_NE(job.console().find("File in/a.csv OK\nFile j.qpj: could not be read to its end\n"),
              std::string::npos);
}

TEST(ReadInPieces, AMessageFileOverAMegabyteIsNotUsed) {
    const std::string messages = "<html><body>2:Datei<br></body></html>";
    for (const std::size_t padding : {std::size_t{0}, std::size_t{1} << 20}) {
        PiecesRun r;
        r.s.fs.files["/prog/qplotmsg.htm"] = messages + std::string(padding, ' ');
        r.s.fs.files["c.csv"] = kGoodChart;
        EXPECT_EQ(r.s.run({"c.csv"}), 0);
        const std::string refused = "Errors are found in file /prog/qplotmsg.htm. File does not used.\n";
        EXPECT_EQ(r.console().find(refused) != std::string::npos, padding > 0);
        EXPECT_EQ(r.log().find("Datei c.csv OK") != std::string::npos, padding == 0);
    }
}

TEST(ReadInPieces, AJobFromOthersNamesNoFileOutsideItsInputDirectory) {
    const std::string names = "/etc/a.csv\n../a.csv\nsub/../../a.csv\nc:a.csv\nsub/./a.csv\nsub/a.csv\n";
    PiecesRun safe;
    safe.s.fs.files["j.qpj"] = "in\nout\n" + names;
    safe.s.fs.files["in/sub/a.csv"] = kGoodChart;
    EXPECT_EQ(safe.s.run({"--safe", "j.qpj"}), 1);
    EXPECT_EQ(safe.errors(), "in//etc/a.csv: can not be opened: the name leads outside the job's input directory\n"
                             "in/../a.csv: can not be opened: the name leads outside the job's input directory\n"
                             "in/sub/../../a.csv: can not be opened: the name leads outside the job's input "
                             "directory\n"
                             "in/c:a.csv: can not be opened: the name leads outside the job's input directory\n"
                             "in/sub/./a.csv: does not found\n");
    EXPECT_NE(safe.console().find("File in/c:a.csv: can not be opened\nInput from in/sub/./a.csv\n"),
              std::string::npos);
    EXPECT_NE(safe.log().find(kRed + "File in/../a.csv: can not be opened</font><br>\n"), std::string::npos);
    // Without --safe every name is looked for.
    PiecesRun trusted;
    trusted.s.fs.files["j.qpj"] = "in\nout\n" + names;
    EXPECT_EQ(trusted.s.run({"j.qpj"}), 0);
    EXPECT_EQ(trusted.errors().find("can not be opened"), std::string::npos);
    EXPECT_NE(trusted.console().find("File in/../a.csv does not found\n"), std::string::npos);
}

}  // namespace
}  // namespace qp::test
