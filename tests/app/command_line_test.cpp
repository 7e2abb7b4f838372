// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"
#include "io/design_file.h"
#include "sheet/build_sheet.h"

#include "tests/core/param_names.h"
#include "tests/sheet/pdf_file.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

using namespace cylindra;

namespace {

struct Outcome {
    int code;
    std::string out, err;
};

Outcome run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = run_text_command(parse_command_line(args), out, err);
    return {code, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        out.push_back(line);
    }
    return out;
}

TEST(ReportCommand, PrintsTheStartUpDesignInFeetAndInches) {
    const Outcome r = run({"--report"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 14u);
    EXPECT_EQ(l[0], "Gross Volume  280 litres");
    EXPECT_EQ(l[1], "Estimated weight  101 lbs");
    EXPECT_EQ(l[2], "Total height 4' 10 7/8 inches");
    EXPECT_EQ(l[3], "Cut Sonotube to  3' 10 7/16 inches");
    EXPECT_EQ(l[4], "Effective length of port 2' 5 1/2 inches");
    EXPECT_EQ(l[5], "Clearance required to tilt into upright position 5' 3 3/8 inches");
    EXPECT_EQ(l[6], "Driver will fit into bottom endcap with at least 1 inch between basket and "
                    "Sonotube wall");
    EXPECT_EQ(l[8], "Port has sufficient clearance between intake and driver (10 1/4 inches)");
}

TEST(ReportCommand, FollowsUnitsAndSolveMode) {
    const auto l = lines(run({"--report", "--units", "metric", "--solve", "volume"}).out);
    ASSERT_GE(l.size(), 6u);
    EXPECT_EQ(l[0], "Gross Volume  291 litres");
    EXPECT_EQ(l[3], "Cut Sonotube to   1225 mm");
    EXPECT_EQ(l[4], "Effective length of port  758.5 mm");
    EXPECT_EQ(lines(run({"--units", "metric-cm", "--report"}).out)[2], "Total height  149.5 cm");
}

// Project files written in a folder of the test's own.
class ProjectReport : public testing::Test {
  protected:
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("cylindra-report-" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(folder); }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string write(const std::string& name, const std::string& bytes) {
        const auto path = folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    static Design metric_design() {
        Design d;
        d.storedlengthunit = LengthUnit::metric;
        d.solvemode = SolveMode::opt_vol;
        d.tubheight = 1500;
        d.tubid = 600;
        return d;
    }
};

TEST_F(ProjectReport, PrintsTheProjectInItsOwnUnitAndSolveMode) {
    const std::string path = write("bass.cyl", io::project_bytes(metric_design()));
    const Outcome r = run({"--report", path});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    const auto l = lines(r.out);
    ASSERT_GE(l.size(), 6u);
    // Solving volume from a 1500 mm height: the tube is cut to 1500 less the
    // two exposed endcap discs of 19 mm each, 1462 mm.
    EXPECT_EQ(l[3], "Cut Sonotube to   1462 mm");
    EXPECT_EQ(lines(run({"--report", path, "--units", "metric-cm"}).out)[3],
              "Cut Sonotube to   146.2 cm");
}

TEST_F(ProjectReport, PartlyReadProjectPrintsWhatWasReadAndFails) {
    const std::string whole = io::project_bytes(metric_design());
    std::string first_lines = whole.substr(0, whole.find(" 600\r\n")); // up to line 17
    const std::string path = write("part.cyl", first_lines);
    const Outcome r = run({"--report", path});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "cylindra: " + path +
                         ": A problem occured loading project - some values will remain at "
                         "default values\n");
    ASSERT_GE(lines(r.out).size(), 6u);
    EXPECT_NE(lines(r.out)[3].find(" mm"), std::string::npos); // line 1 was read
}

TEST_F(ProjectReport, MissingProjectPrintsNothingAndFails) {
    const Outcome r = run({"--report", (folder / "none.cyl").string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("A problem occured opening project - all fields remain unchanged"),
              std::string::npos);
}

// The build sheet of a project, as the window's command makes it.
TEST_F(ProjectReport, SheetIsWrittenOnThePaperAskedFor) {
    const std::string project = write("bass.cyl", io::project_bytes(metric_design()));
    for (const auto& [paper, width] : {std::pair{"a4", 595.0}, std::pair{"letter", 612.0}}) {
        const std::string pdf = (folder / (std::string(paper) + ".pdf")).string();
        const Outcome r = run({"--sheet", project, "-o", pdf, "--paper", paper});
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, "");
        const QByteArray bytes = test::file_bytes(QString::fromStdString(pdf));
        ASSERT_TRUE(bytes.startsWith("%PDF-")) << paper;
        const auto boxes = test::media_boxes(bytes);
        ASSERT_FALSE(boxes.empty());
        EXPECT_NEAR(boxes.front().width(), width, 0.5);
        EXPECT_EQ(test::pdf_page_count(bytes), int(boxes.size()));
    }
    // Named after its file, in the unit asked for.
    const std::string pdf = (folder / "inches.pdf").string();
    ASSERT_EQ(run({"--sheet", project, "--units", "inches", "-o", pdf}).code, 0);
    const QString summary = test::page_text(QString::fromStdString(pdf), 1, 1);
    EXPECT_TRUE(summary.contains("Build sheet: bass.cyl"));
    EXPECT_TRUE(summary.contains("feet, inches and sixteenths"));
}

TEST_F(ProjectReport, SheetOfAnUnreadableProjectIsNotWritten) {
    const std::string whole = io::project_bytes(metric_design());
    const std::string part = write("part.cyl", whole.substr(0, whole.find(" 600\r\n")));
    const std::string pdf = (folder / "part.pdf").string();
    Outcome r = run({"--sheet", part, "-o", pdf});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("A problem occured loading project"), std::string::npos);
    EXPECT_NE(r.err.find("no build sheet written"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    r = run({"--sheet", (folder / "none.cyl").string(), "-o", pdf});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("A problem occured opening project"), std::string::npos);
    const std::string project = write("bass.cyl", whole);
    r = run({"--sheet", project, "-o", (folder / "no" / "such.pdf").string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("could not write the build sheet"), std::string::npos);
    // The project named as its own sheet stays a project.
    r = run({"--sheet", project, "-o", project});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("is the project itself"), std::string::npos);
    std::ifstream kept(project, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), whole);
}

struct Refused {
    const char* name;
    std::vector<std::string> args;
};

class BadArguments : public testing::TestWithParam<Refused> {};

TEST_P(BadArguments, AreRefusedWithExitCodeTwo) {
    const Outcome r = run(GetParam().args);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("cylindra: "), std::string::npos);
    EXPECT_NE(r.err.find("Usage:"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadArguments,
    testing::Values(Refused{"UnknownOption", {"--reprot"}},
                    Refused{"UnknownUnit", {"--report", "--units", "furlongs"}},
                    Refused{"UnitWordIsCaseSensitive", {"--report", "--units", "Metric"}},
                    Refused{"MissingValue", {"--report", "--units"}},
                    Refused{"UnknownPair", {"--report", "--solve", "width"}},
                    Refused{"OptionsWithoutReport", {"--units", "metric"}},
                    Refused{"SheetWithoutOutput", {"--sheet", "bass.cyl"}},
                    Refused{"SheetWithoutProject", {"--sheet", "-o", "bass.pdf"}},
                    Refused{"UnknownPaper",
                            {"--sheet", "bass.cyl", "-o", "b.pdf", "--paper", "a3"}},
                    Refused{"OutputWithoutSheet", {"--report", "-o", "bass.pdf"}},
                    Refused{"PaperWithoutSheet", {"bass.cyl", "--paper", "a4"}},
                    Refused{"ReportAndSheet", {"--report", "--sheet", "bass.cyl", "-o", "b.pdf"}}),
    [](const auto& info) { return info.param.name; });

TEST(WindowCommand, PassesTheToolkitsOwnOptionsOn) {
    EXPECT_EQ(parse_command_line({}).action, CommandAction::start_windows);
    EXPECT_EQ(parse_command_line({"-platform", "offscreen", "-reverse"}).action,
              CommandAction::start_windows);
    const Command open = parse_command_line({"-platform", "offscreen", "design.cyl"});
    EXPECT_EQ(open.action, CommandAction::start_windows);
    EXPECT_EQ(open.project, "design.cyl");
    EXPECT_EQ(parse_command_line({"a.cyl", "b.cyl"}).action, CommandAction::bad_arguments);
    // A flag of the toolkit takes no value: the project after it stays ours.
    EXPECT_EQ(parse_command_line({"-reverse", "bass.cyl"}).project, "bass.cyl");
    EXPECT_EQ(parse_command_line({"--platform", "offscreen", "bass.cyl"}).project, "bass.cyl");
    EXPECT_EQ(parse_command_line({"--report", "--", "-odd.cyl"}).project, "-odd.cyl");
}

TEST(HelpCommand, SaysHowToUseIt) {
    const Outcome r = run({"--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("--report"), std::string::npos);
    EXPECT_NE(r.out.find("decimalinches"), std::string::npos);
    EXPECT_NE(r.out.find("--sheet"), std::string::npos);
}

} // namespace
