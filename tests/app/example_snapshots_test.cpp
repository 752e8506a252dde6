// The bundled examples as a regression guard: the job examples/examples.qpj
// runs as examples/render.sh runs it (from examples/out/: input "..", pages
// to "."), on the memory file system with the fixed clock, and every page,
// the run log, the console, standard error and the exit code must match the
// reviewed snapshots in tests/snapshots/examples/ byte for byte; the pages
// of the same run with --svg those in tests/snapshots/examples_svg/, its run
// log, console and exit code those of the run without it.  After a reviewed
// change of output, tests/snapshots/update.sh rewrites the snapshots.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "support/render_test_support.h"
#include "support/run_session.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What the example run writes, by file name; the console ends with the
// exit code.
std::map<std::string, std::string> example_run(const std::vector<std::string>& options) {
    test::Session session;
    for (const auto& entry : fs::directory_iterator(fs::path(QP_SOURCE_DIR) / "examples")) {
        // Each file also under the Windows-style name the gallery uses,
        // which opens as the same file on this system.
        if (!entry.is_regular_file()) continue;
        const std::string name = entry.path().filename().string();
        session.fs.files["../" + name] = session.fs.files["..\\" + name] = read_file(entry.path());
    }
    std::vector<std::string> args = options;
    args.push_back("../examples.qpj");
    const int code = session.run(args);
    std::map<std::string, std::string> written;
    for (const auto& [path, text] : session.fs.files) {
        if (path.rfind("..", 0) != 0) written[fs::path(path).filename().string()] = text;
    }
    written["console.txt"] = session.console.str() + "exit code " + std::to_string(code) + "\n";
    written["stderr.txt"] = session.errors.str();
    return written;
}

// The first line in which the two texts differ, both ways.
std::string first_difference(const std::string& snapshot, const std::string& now) {
    const auto a = test::page_lines(snapshot), b = test::page_lines(now);
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    const auto shown = [i](const std::vector<std::string>& lines) {
        return i < lines.size() ? lines[i].substr(0, lines[i].find_last_not_of('\n') + 1) : "(end)";
    };
    return "line " + std::to_string(i + 1) + "\n  snapshot: " + shown(a) + "\n  now:      " + shown(b);
}

void expect_snapshots(const std::string& set, const std::map<std::string, std::string>& written) {
    const fs::path dir = fs::path(QP_SOURCE_DIR) / "tests" / "snapshots" / set;
    if (std::getenv("QP_UPDATE_SNAPSHOTS") != nullptr) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        for (const auto& [name, text] : written) std::ofstream(dir / name, std::ios::binary) << text;
        return;
    }
    std::map<std::string, std::string> snapshots;
    std::error_code missing;
    for (const auto& entry : fs::directory_iterator(dir, missing)) {
        snapshots[entry.path().filename().string()] = read_file(entry.path());
    }
    for (const auto& [name, text] : written) {
        const auto snapshot = snapshots.find(name);
        if (snapshot == snapshots.end()) {
            ADD_FAILURE() << set << "/" << name << " is written but has no snapshot";
        } else if (snapshot->second != text) {
            ADD_FAILURE() << set << "/" << name << " differs from its snapshot at "
                          << first_difference(snapshot->second, text);
        }
    }
    for (const auto& [name, text] : snapshots) {
        if (written.count(name) == 0) ADD_FAILURE() << "snapshot " << set << "/" << name << " is no longer written";
    }
}

TEST(ExampleSnapshots, PagesRunLogAndConsoleAsReviewed) {
    const std::map<std::string, std::string> vml = example_run({});
    std::map<std::string, std::string> svg = example_run({"--svg"});
    for (const char* same : {"qplotlog.htm", "console.txt", "stderr.txt"}) {
        EXPECT_EQ(svg[same], vml.at(same)) << same << " with --svg";
        svg.erase(same);
    }
    expect_snapshots("examples", vml);
    expect_snapshots("examples_svg", svg);
    if (std::getenv("QP_UPDATE_SNAPSHOTS") != nullptr) GTEST_SKIP() << "snapshots written";
}

}  // namespace
}  // namespace qp
