// Whole runs whose files are read a piece at a time: the same run whatever
// the pieces' size, and a file whose reading fails before its end reported
// as not read, never as OK.  Job files from others (--safe) name no chart
// file outside their input directory.
#include <gtest/gtest.h>

#include "support/run_session.h"

namespace qp::test {
namespace {

TEST(ReadInPieces, ARunIsTheSameWhateverThePiecesSize) {
    auto run = [](std::size_t read_size) {
        auto r = std::make_unique<Session>();
        r->fs.read_size = read_size;
        r->fs.files["j.qpj"] = "in\r\nout\r\n a.csv\r\n\r\nb.csv";
        r->fs.files["in/a.csv"] = kGoodChart + "PLOT;x\r\nX;a\\\r\nb;c\r\nAREA;;;;;;;st.csv\r\nD1;L;;;;;;1;2\r\n";
        r->fs.files["in/b.csv"] = "TITLE;;;;;;<b>\nZ?\n" + kGoodChart;
        r->fs.files["in/st.csv"] = "PLOT;1;q\nB;2\n";
        EXPECT_EQ(r->run({"j.qpj"}), 1);
        return r;
    };
    const auto whole = run(1 << 20);
    for (std::size_t size : {1, 2, 3, 5, 8}) {
        SCOPED_TRACE(size);
        const auto pieces = run(size);
        EXPECT_EQ(pieces->console.str() + pieces->errors.str(), whole->console.str() + whole->errors.str());
        EXPECT_EQ(pieces->fs.files, whole->fs.files);   // the run log and the pages
    }
}

TEST(ReadInPieces, AFileNotReadToItsEndIsAnError) {
    // The chart file: what was read is not drawn as if it were all.
    Session chart;
    chart.fs.files["c.csv"] = kGoodChart;
    chart.fs.fails_at_end["c.csv"] = true;
    EXPECT_EQ(chart.run({"c.csv"}), 1);
    EXPECT_EQ(chart.console.str(), kStartConsole + "Input from c.csv\nFile c.csv: could not be read to its end\n" +
                                       "Errors are found in file c.csv\n" + kEndConsole);
    EXPECT_EQ(chart.errors.str(), "c.csv: could not be read to its end\n");
    EXPECT_TRUE(has(chart.log(), "Input from c.csv<br>\n" + kRed + "File c.csv: could not be read to its end</font>"));
    EXPECT_TRUE(has(chart.fs.files["c.htm"], ">ERRORS in c.csv<"));

    // A stencil: named as the file that failed; the chart file has errors.
    Session stencil;
    stencil.fs.files["c.csv"] = "AREA;0;0;300;200;white;c;st.csv\nD1;L1;2;red;;S;;1;2;3;\n";
    stencil.fs.files["st.csv"] = "PLOT;1;1\n";
    stencil.fs.fails_at_end["st.csv"] = true;
    EXPECT_EQ(stencil.run({"c.csv"}), 1);
    EXPECT_TRUE(has(stencil.console.str(), "Stencil is inputted from st.csv\nFile st.csv: could not be read to "
                                           "its end\nErrors are found in file st.csv\n"));

    // A job file: the files it named before the failure are processed.
    Session job;
    job.fs.files["j.qpj"] = "in\nout\na.csv\n";
    job.fs.files["in/a.csv"] = kGoodChart;
    job.fs.fails_at_end["j.qpj"] = true;
    EXPECT_EQ(job.run({"j.qpj"}), 1);
    EXPECT_TRUE(has(job.console.str(), "File in/a.csv OK\nFile j.qpj: could not be read to its end\n"));
}

TEST(ReadInPieces, AMessageFileOverAMegabyteIsNotUsed) {
    for (const std::size_t padding : {std::size_t{0}, std::size_t{1} << 20}) {
        Session r;
        r.fs.files["/prog/qplotmsg.htm"] = "<html><body>2:Datei<br></body></html>" + std::string(padding, ' ');
        r.fs.files["c.csv"] = kGoodChart;
        EXPECT_EQ(r.run({"c.csv"}), 0);
        EXPECT_EQ(has(r.console.str(), "Errors are found in file /prog/qplotmsg.htm. File does not used.\n"),
                  padding > 0);
        EXPECT_EQ(has(r.log(), "Datei c.csv OK"), padding == 0);
    }
}

TEST(ReadInPieces, AJobFromOthersNamesNoFileOutsideItsInputDirectory) {
    const std::string names = "/etc/a.csv\n../a.csv\nsub/../../a.csv\nc:a.csv\nsub/./a.csv\nsub/a.csv\n";
    const std::string outside = ": can not be opened: the name leads outside the job's input directory\n";
    Session safe;
    safe.fs.files["j.qpj"] = "in\nout\n" + names;
    safe.fs.files["in/sub/a.csv"] = kGoodChart;
    EXPECT_EQ(safe.run({"--safe", "j.qpj"}), 1);
    EXPECT_EQ(safe.errors.str(), "in//etc/a.csv" + outside + "in/../a.csv" + outside + "in/sub/../../a.csv" +
                                     outside + "in/c:a.csv" + outside + "in/sub/./a.csv: does not found\n");
    EXPECT_TRUE(has(safe.console.str(), "File in/c:a.csv: can not be opened\nInput from in/sub/./a.csv\n"));
    EXPECT_TRUE(has(safe.log(), kRed + "File in/../a.csv: can not be opened</font><br>\n"));
    // Without --safe every name is looked for.
    Session trusted;
    trusted.fs.files["j.qpj"] = "in\nout\n" + names;
    EXPECT_EQ(trusted.run({"j.qpj"}), 0);
    EXPECT_FALSE(has(trusted.errors.str(), "can not be opened"));
    EXPECT_TRUE(has(trusted.console.str(), "File in/../a.csv does not found\n"));
}

}  // namespace
}  // namespace qp::test
