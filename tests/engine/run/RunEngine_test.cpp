#include "RunEngine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "EngineTestSupport.h"
#include "Format.h"
#include "RunStatus.h"

extern "C" int ITORVEX(int k);

namespace tvx {
namespace {
namespace fs = std::filesystem;
using test::ReadLines;
using test::ScratchDir;
using test::WriteFile;

std::set<std::string> FilesIn(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
  return names;
}

// One clay layer, a 3 ft shaft 20 ft long.
const std::string kMinimalProblem =
    "Title\r\n1\r\n2 1 1 1 0 2 0 0 0 0 0\r\n3 3 0 0 0 0 3600000\r\n1 10 20 2 3\r\n2 40 \r\n"
    "9 120 0.0 1000 0 0 0 1 1 \r\n9 120 0.0 1000 0 0 0 1 1 \r\n0.5 0.5\r\n";

// names.dat for p.tv8d in `dir`, its input path given as `input` when that is not empty.
std::string RunFileList(const fs::path& dir, const std::string& version = kProgramVersion,
                        const std::string& input = "") {
  std::string list = test::RunFileListFor(dir / "p.tv8d", version);
  if (!input.empty()) list.replace(list.find((dir / "p.tv8d").string()), (dir / "p.tv8d").string().size(), input);
  return list;
}

TEST(EntryPoint, ArgumentOtherThanElevenReturnsOneAndCreatesNothing) {
  ScratchDir dir;
  WriteFile(dir / "p.tv8d", kMinimalProblem);
  WriteFile(dir / "names.dat", RunFileList(dir.path()));
  const auto before = FilesIn(dir.path());
  for (int k : {0, 12, -11, 10}) {
    EXPECT_EQ(ITORVEX(k), kStatusBadArgument) << k;
    EXPECT_EQ(FilesIn(dir.path()), before) << k;
  }
}

TEST(EntryPoint, CleanRunReturnsZeroAndWritesHeaders) {
  ScratchDir dir;
  WriteFile(dir / "p.tv8d", kMinimalProblem);
  WriteFile(dir / "names.dat", RunFileList(dir.path()));
  SetRunClock(&test::FixedClock);
  const int status = ITORVEX(11);
  SetRunClock(nullptr);
  EXPECT_EQ(status, kStatusNormal);

  const std::string rule = "     " + std::string(73, '=');
  const std::string dashes = "     " + std::string(73, '-');
  const std::string indent(20, ' ');
  const auto report = ReadLines(dir / "p.tv8o");
  ASSERT_GE(report.size(), 22u);
  EXPECT_EQ(report[0], rule);
  EXPECT_EQ(report[1], "");
  EXPECT_EQ(report[2], indent + "  TORVEX for Windows, Version 2017.8.11   ");
  EXPECT_EQ(report[3], "");
  EXPECT_EQ(report[4], indent + "VERTICALLY LOADED DRILLED SHAFT ANALYSIS");
  for (int i : {5, 6}) {
    EXPECT_EQ(report[i].substr(0, 20), indent);
    EXPECT_GT(report[i].size(), 20u);
  }
  EXPECT_EQ(report[7], "");
  EXPECT_EQ(report[8], rule);
  EXPECT_EQ(report[9], "");
  EXPECT_EQ(report[10], "     Path to file locations      : " + dir.path().string() + "/");
  EXPECT_EQ(report[11], "     Name of input data file     : p.tv8d");
  EXPECT_EQ(report[12], "     Name of output file         : p.tv8o");
  EXPECT_EQ(report[13], "     Name of plot output file    : p.tv8p");
  EXPECT_EQ(report[14], "     Name of runtime file        : p.tv8r");
  EXPECT_EQ(report[15], "");
  EXPECT_EQ(report[16], "");
  EXPECT_EQ(report[17], dashes);
  EXPECT_EQ(report[18], std::string(26, ' ') + "Time and Date of Analysis");
  EXPECT_EQ(report[19], dashes);
  EXPECT_EQ(report[20], "");
  EXPECT_EQ(report[21], std::string(15, ' ') + "Date:  March 07, 2017     Time:  09:05:03");

  // The curve-data file has the banner and the date block, without the file names.
  const auto curves = ReadLines(dir / "p.tv8z");
  ASSERT_GE(curves.size(), 15u);
  EXPECT_EQ(curves[2], report[2]);
  EXPECT_EQ(curves[10], dashes);
  EXPECT_EQ(curves[14], report[21]);
}

TEST(EntryPoint, VersionIsCutOrPaddedToTwelveCharacters) {
  struct Case {
    std::string version, shown;
  } cases[] = {{"2017.8.11.12345", "2017.8.11.12"}, {"8", "8           "}};
  for (const Case& c : cases) {
    ScratchDir dir;
    WriteFile(dir / "p.tv8d", kMinimalProblem);
    WriteFile(dir / "names.dat", RunFileList(dir.path(), c.version));
    ASSERT_EQ(ITORVEX(11), kStatusNormal);
    EXPECT_EQ(ReadLines(dir / "p.tv8o")[2], std::string(20, ' ') + "  TORVEX for Windows, Version " + c.shown);
  }
}

TEST(EntryPoint, InputPathWithoutDirectoryPrintsAnEmptyDirectory) {
  ScratchDir dir;
  WriteFile(dir / "p.tv8d", kMinimalProblem);
  WriteFile(dir / "names.dat", RunFileList(dir.path(), "2017.8.11", "p.tv8d"));
  ASSERT_EQ(ITORVEX(11), kStatusNormal);
  const auto report = ReadLines(dir / "p.tv8o");
  EXPECT_EQ(report[10], "     Path to file locations      : ");
  EXPECT_EQ(report[11], "     Name of input data file     : p.tv8d");
}

TEST(EntryPoint, DateLineCarriesLeadingZeros) {
  EngineState state;
  ASSERT_TRUE(state.units.OpenCapture(kUnitReport));
  SetRunClock([] {
    std::tm t{};
    t.tm_year = 117;
    t.tm_mon = 1;
    t.tm_mday = 1;
    t.tm_hour = 13;
    t.tm_min = 4;
    t.tm_sec = 9;
    return t;
  });
  WriteRunDateTime(state);
  SetRunClock(nullptr);
  const std::string text = state.units.Captured(kUnitReport);
  EXPECT_NE(text.find("\n" + std::string(15, ' ') + "Date:  February 01, 2017     Time:  13:04:09\n"),
            std::string::npos)
      << text;
}

TEST(ScratchMerge, RecordsAreCutOrPaddedToEightyColumns) {
  ScratchDir dir;
  const std::string longLine(100, 'x');
  WriteFile(dir / "s.tv8w", longLine + "\nshort\n\n");
  EngineState state;
  ASSERT_TRUE(state.units.OpenCapture(kUnitCurves));
  MergeScratchFile(state, (dir / "s.tv8w").string(), kUnitQwList, kUnitCurves);
  const std::string expected =
      std::string(80, 'x') + "\n" + "short" + std::string(75, ' ') + "\n" + std::string(80, ' ') + "\n";
  EXPECT_EQ(state.units.Captured(kUnitCurves), expected);
  EXPECT_FALSE(state.units.IsOpen(kUnitQwList));
}

TEST(ScratchMerge, EmptyOrMissingScratchFileAppendsNothing) {
  ScratchDir dir;
  WriteFile(dir / "empty.tv8t", "");
  EngineState state;
  ASSERT_TRUE(state.units.OpenCapture(kUnitPlot));
  MergeScratchFile(state, (dir / "empty.tv8t").string(), kUnitTzPlot, kUnitPlot);
  MergeScratchFile(state, (dir / "missing.tv8q").string(), kUnitQwPlot, kUnitPlot);
  EXPECT_EQ(state.units.Captured(kUnitPlot), "");
}

TEST(ScratchMerge, LeftoverLoadSettlementFileOfAnEarlierRunIsNotMerged) {
  ScratchDir dir;
  WriteFile(dir / "p.tv8d", kMinimalProblem);
  WriteFile(dir / "names.dat", RunFileList(dir.path()));
  WriteFile(dir / "TZDIAM.DAT", "3\n");
  ASSERT_EQ(ITORVEX(11), kStatusNormal);
  // The run writes its own count of q-w curves (one diameter); the leftover "3" must not
  // reach the plot data.
  for (const std::string& line : test::ReadLines(dir / "p.tv8p")) {
    const auto first = line.find_first_not_of(' ');
    const auto last = line.find_last_not_of(' ');
    if (first != std::string::npos) {
      EXPECT_NE(line.substr(first, last - first + 1), "3");
    }
  }
}

struct BadListCase {
  const char* name;
  std::string (*list)(const fs::path& dir);
};

class RunFileListFailure : public ::testing::TestWithParam<BadListCase> {};

TEST_P(RunFileListFailure, IsAnOrderlyFailureThatWritesNothing) {
  ScratchDir dir;
  WriteFile(dir / "p.tv8d", kMinimalProblem);
  const std::string list = GetParam().list(dir.path());
  if (!list.empty()) WriteFile(dir / "names.dat", list);
  const auto before = FilesIn(dir.path());
  EXPECT_EQ(ITORVEX(11), kStatusRunFileListUnreadable);
  EXPECT_EQ(FilesIn(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RunFileListFailure,
    ::testing::Values(BadListCase{"Missing", [](const fs::path&) { return std::string(); }},
                      BadListCase{"OneLine", [](const fs::path&) { return std::string("2017.8.11\n"); }},
                      BadListCase{"SecondLineNotInteger",
                                  [](const fs::path& d) {
                                    std::string l = RunFileList(d);
                                    return l.replace(l.find("\n1\n"), 3, "\nx\n");
                                  }},
                      BadListCase{"FiveLines",
                                  [](const fs::path& d) {
                                    const std::string l = RunFileList(d);
                                    std::size_t pos = 0;
                                    for (int i = 0; i < 5; ++i) pos = l.find('\n', pos) + 1;
                                    return l.substr(0, pos);
                                  }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunFiles, FileThatCannotBeOpenedIsAnOrderlyFailure) {
  ScratchDir dir;
  WriteFile(dir / "p.tv8d", kMinimalProblem);
  std::string list = RunFileList(dir.path());
  const std::string report = (dir / "p.tv8o").string();
  list.replace(list.find(report), report.size(), (dir / "no-such-folder" / "p.tv8o").string());
  WriteFile(dir / "names.dat", list);
  EXPECT_EQ(ITORVEX(11), kStatusFileOpenFailed);
  EXPECT_FALSE(fs::exists(dir / "p.tv8p"));

  // A missing input file fails the same way and is not created.
  ScratchDir dir2;
  WriteFile(dir2 / "names.dat", RunFileList(dir2.path()));
  EXPECT_EQ(ITORVEX(11), kStatusFileOpenFailed);
  EXPECT_FALSE(fs::exists(dir2 / "p.tv8d"));
}

TEST(PathSplit, SeparatesDriveDirectoryNameAndExtension) {
  struct Case {
    const char *path, *drive, *dir, *name, *ext;
  } cases[] = {
      {"/home/eng/job.tv8d", "", "/home/eng/", "job", ".tv8d"},
      {"job.tv8d", "", "", "job", ".tv8d"},
      {"C:\\Jobs\\Bridge 4\\pier.tv8d", "C:", "\\Jobs\\Bridge 4\\", "pier", ".tv8d"},
      {"/a.b/noext", "", "/a.b/", "noext", ""},
      {"/x/name.longext", "", "/x/", "name", ".long"},
  };
  for (const Case& c : cases) {
    const PathParts p = SplitPath(c.path);
    EXPECT_EQ(p.drive, c.drive) << c.path;
    EXPECT_EQ(p.dir, c.dir) << c.path;
    EXPECT_EQ(p.name, c.name) << c.path;
    EXPECT_EQ(p.ext, c.ext) << c.path;
  }
}

}  // namespace
}  // namespace tvx
