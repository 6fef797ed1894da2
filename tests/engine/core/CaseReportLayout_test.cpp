// The fixed layout of a case's section of the report: case header, drilled shaft
// information, legend, column headings and rows, line by line.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "TestText.h"
#include "EngineTestSupport.h"
#include "RunStatus.h"

namespace tvx {
namespace {
using test::Join;
using test::Lines;
using test::RunProblem;
using test::ScratchDir;

// A uniform clay to 60 ft (20 m in SI), so that every shaft of these problems has its tip in soil.
Lines ClayProblem(bool si, const std::string& options, const std::string& shaft, const std::string& header) {
  Lines l = {"Case layout", si ? "2" : "1", options, shaft, header};
  const Lines clay = si ? Lines{"2 20 ", "9 19 0.0 50 0 0 0 0.45 0.4 ", "9 19 0.0 50 0 0 0 0.45 0.4 ", "0.5 0.5"}
                        : Lines{"2 60 ", "9 120 0.0 1000 0 0 0 0.8 0.7 ", "9 120 0.0 1000 0 0 0 0.8 0.7 ", "0.5 0.5"};
  l.insert(l.end(), clay.begin(), clay.end());
  return l;
}

Lines::const_iterator Find(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line);
}

// ---------------------------------------------------------------- column headings

struct HeadingCase {
  const char* what;
  bool si;
  const char* options;
  std::string first, second;
  std::vector<int> points;  // columns (1-based) of the decimal points of a row
};

class CapacityHeadings : public ::testing::TestWithParam<HeadingCase> {};

TEST_P(CapacityHeadings, HeadingLinesAndRowFieldsLineUp) {
  const HeadingCase& c = GetParam();
  ScratchDir dir;
  const std::string shaft = c.si ? "1 1 0 0 0 0 25000000" : "3 3 0 0 0 0 3600000";
  const std::string header = c.si ? "1 3 6 2 3" : "1 10 20 2 3";
  const auto run = RunProblem(dir, Join(ClayProblem(c.si, c.options, shaft, header)));
  ASSERT_EQ(run.status, kStatusNormal);
  const Lines report = run.ReportLines();
  const auto first = Find(report, c.first);
  ASSERT_NE(first, report.end()) << c.first;
  ASSERT_LT(first + 2, report.end());
  EXPECT_EQ(*(first - 1), "");
  EXPECT_EQ(*(first + 1), c.second);
  const std::string& row = *(first + 2);
  ASSERT_EQ(row.size(), 73u) << row;
  std::vector<int> points;
  for (std::size_t i = 0; i < row.size(); ++i)
    if (row[i] == '.') points.push_back(static_cast<int>(i) + 1);
  EXPECT_EQ(points, c.points) << row;
}

// English rows: 1X F8.1 1X F8.2, five F9.2, 1X F9.2. SI rows: 1X F8.1 1X F8.1, five F9.1, 1X F9.2.
const std::vector<int> kEnglishPoints = {8, 16, 25, 34, 43, 52, 61, 71};
const std::vector<int> kSiPoints = {8, 17, 26, 35, 44, 53, 62, 71};

// The last SI unit follows the last column: QU/VOLUME in kN per cubic metre for ASD, the
// factored capacity in kN for LRFD, under compression and uplift alike.
INSTANTIATE_TEST_SUITE_P(
    ByMethodLoadingAndUnits, CapacityHeadings,
    ::testing::Values(
        HeadingCase{"English ASD compression", false, "2 1 1 5 0 2 0 0 0 0 0",
                    "     LENGTH  VOLUME     QS      QB      QU       QBD      QDN      QU/VOLUME",
                    "      (FT)   (CU.YDS) (TONS)   (TONS)  (TONS)   (TONS)   (TONS)  (TONS/CU.YDS)", kEnglishPoints},
        HeadingCase{"English ASD uplift", false, "2 2 0.8 5 0 2 0 0 0 0 0",
                    "     LENGTH  VOLUME     QS      WT      QU       QBD      QDN      QU/VOLUME",
                    "      (FT)   (CU.YDS) (TONS)   (TONS)  (TONS)   (TONS)   (TONS)  (TONS/CU.YDS)", kEnglishPoints},
        HeadingCase{"English LRFD compression", false, "2 1 1 5 0 1 0 0 0 0 0",
                    "     LENGTH  VOLUME     QS      QB      QU     LRFD QS  LRFD QB   LRFD QU",
                    "      (FT)   (CU.YDS) (TONS)   (TONS)  (TONS)   (TONS)   (TONS)    (TONS)", kEnglishPoints},
        HeadingCase{"English LRFD uplift", false, "2 2 0.8 5 0 1 0 0 0 0 0",
                    "     LENGTH  VOLUME     QS      WT      QU     LRFD QS      WT   LRFD QU",
                    "      (FT)   (CU.YDS) (TONS)   (TONS)  (TONS)   (TONS)   (TONS)    (TONS)", kEnglishPoints},
        HeadingCase{"SI ASD compression", true, "2 1 1 1 0 2 0 0 0 0 0",
                    "     LENGTH  VOLUME    QS     QB        QU       QBD     QDN     QU/VOLUME",
                    "      ( M )  (CU.M )  ( KN )   ( KN )  ( KN )   ( KN )   ( KN )  ( KN /CU.M) ", kSiPoints},
        HeadingCase{"SI ASD uplift", true, "2 2 0.8 1 0 2 0 0 0 0 0",
                    "     LENGTH  VOLUME    QS     WT        QU       QBD     QDN     QU/VOLUME",
                    "      ( M )  (CU.M )  ( KN )   ( KN )  ( KN )   ( KN )   ( KN )  ( KN /CU.M) ", kSiPoints},
        HeadingCase{"SI LRFD compression", true, "2 1 1 1 0 1 0 0 0 0 0",
                    "     LENGTH  VOLUME    QS     QB        QU      LRFD QS  LRFD QB   LRFD QU",
                    "      ( M )  (CU.M )  ( KN )   ( KN )  ( KN )   ( KN )   ( KN )  ( KN ) ", kSiPoints},
        HeadingCase{"SI LRFD uplift", true, "2 2 0.8 1 0 1 0 0 0 0 0",
                    "     LENGTH  VOLUME    QS     WT        QU      LRFD QS  LRFD QB   LRFD QU",
                    "      ( M )  (CU.M )  ( KN )   ( KN )  ( KN )   ( KN )   ( KN )  ( KN ) ", kSiPoints}),
    test::NameByWhat());

// ---------------------------------------------------------------- the case section

struct SectionCase {
  const char* what;
  bool si;
  const char* options;
  const char* shaft;
  const char* header;
  Lines expected;  // from the case header down to the second heading line
};

class CaseSection : public ::testing::TestWithParam<SectionCase> {};

TEST_P(CaseSection, FromCaseHeaderToHeadingsLineByLine) {
  const SectionCase& c = GetParam();
  ScratchDir dir;
  const auto run = RunProblem(dir, Join(ClayProblem(c.si, c.options, c.shaft, c.header)));
  ASSERT_EQ(run.status, kStatusNormal);
  const Lines report = run.ReportLines();
  const auto start = Find(report, c.expected.front());
  ASSERT_NE(start, report.end());
  ASSERT_GE(report.end() - start, static_cast<long>(c.expected.size()));
  // Three empty lines set the case header off from what precedes it.
  ASSERT_GE(start - report.begin(), 3);
  EXPECT_EQ(Lines(start - 3, start), Lines(3, ""));
  EXPECT_EQ(Lines(start, start + static_cast<long>(c.expected.size())), c.expected);
}

const Lines kCaseHeader = {"     - CASE ANALYZED      :     1", "       VARIATION LENGTH   :     1",
                           "       VARIATION DIAMETER :     1"};

Lines Concat(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

INSTANTIATE_TEST_SUITE_P(
    AsdAndLrfd, CaseSection,
    ::testing::Values(
        SectionCase{"English ASD design depth", false, "2 1 1 5 0 2 0 0 0 0 0", "3 3 0 0 0 0 3600000",
                    "1 10 20 2 3",
                    Concat({kCaseHeader,
                            {"", "", "", "     DRILLED SHAFT INFORMATION", "", "     -------------------------", "",
                             "      DIAMETER OF STEM          =    3.000  FT.",
                             "      DIAMETER OF BASE          =    3.000  FT.",
                             "      END OF STEM TO BASE       =    0.000  FT.",
                             "      ANGLE OF BELL             =    0.000  DEG.",
                             "      IGNORED TOP PORTION       =    0.000  FT.",
                             "      IGNORED BOTTOM PORTION    =    0.000  FT.",
                             "      AREA OF ONE PERCENT STEEL =   10.179  SQ.IN.",
                             "      ELASTIC MODULUS, Ec       = 0.360E+07 LB/SQ IN",
                             "      VOLUME OF UNDERREAM       =    0.000  CU.YDS.",
                             "      SHAFT LENGTH              =   20.000  FT.",
                             "", "", "",
                             "     PREDICTED RESULTS",
                             "     -----------------",
                             "",
                             "     QS     = ULTIMATE SIDE RESISTANCE;",
                             "     QB     = ULTIMATE BASE RESISTANCE;",
                             "     WT     = WEIGHT OF DRILLED SHAFT (FOR UPLIFT CAPACITY ONLY);",
                             "     QU     = TOTAL ULTIMATE RESISTANCE;",
                             "     QBD    = TOTAL ALLOWABLE LOAD USING A FACTOR OF SAFETY",
                             "              APPLIED TO THE ULTIMATE BASE RESISTANCE;",
                             "     QDN    = TOTAL ALLOWABLE LOAD USING FACTORS OF SAFETY",
                             "              APPLIED TO THE ULTIMATE SIDE RESISTANCE AND",
                             "              THE ULTIMATE BASE RESISTANCE.",
                             "",
                             "     LENGTH  VOLUME     QS      QB      QU       QBD      QDN      QU/VOLUME",
                             "      (FT)   (CU.YDS) (TONS)   (TONS)  (TONS)   (TONS)   (TONS)  (TONS/CU.YDS)"}})},
        SectionCase{"SI LRFD design load", true, "1 1 1 1 0 1 0 0 0 0 0", "1 1 0 0 0 0 25000000", "1 3 500 1 1",
                    Concat({kCaseHeader,
                            {"", "", "", "     DRILLED SHAFT INFORMATION", "", "     -------------------------", "",
                             "      DIAMETER OF STEM          =    1.000  M",
                             "      DIAMETER OF BASE          =    1.000  M",
                             "      END OF STEM TO BASE       =    0.000  M",
                             "      ANGLE OF BELL             =    0.000  DEG.",
                             "      IGNORED TOP PORTION       =    0.000  M",
                             "      IGNORED BOTTOM PORTION    =    0.000  M",
                             "      AREA OF ONE PERCENT STEEL =    0.008  SQ. M",
                             "      ELASTIC MODULUS, Ec       = 0.250E+08 KN/SQ M",
                             "      VOLUME OF UNDERREAM       =    0.000  CU. M",
                             "", "",
                             "     PREDICTED RESULTS",
                             "     -----------------",
                             "",
                             "     QS      = ULTIMATE SIDE RESISTANCE;",
                             "     QB      = ULTIMATE BASE RESISTANCE;",
                             "     WT      = WEIGHT OF DRILLED SHAFT (UPLIFT CAPACITY ONLY);",
                             "     QU      = TOTAL ULTIMATE RESISTANCE;",
                             "     LRFD QS = TOTAL SIDE FRICTION USING LRFD RESISTANCE FACTOR",
                             "               TO THE ULTIMATE SIDE RESISTANCE;",
                             "     LRFD QB = TOTAL BASE BEARING USING LRFD RESISTANCE FACTOR",
                             "               TO THE ULTIMATE BASE RESISTANCE",
                             "     LRFD QU = TOTAL CAPACITY WITH LRFD RESISTANCE FACTOR.",
                             "",
                             "     LENGTH  VOLUME    QS     QB        QU      LRFD QS  LRFD QB   LRFD QU",
                             "      ( M )  (CU.M )  ( KN )   ( KN )  ( KN )   ( KN )   ( KN )  ( KN ) "}})}),
    test::NameByWhat());

}  // namespace
}  // namespace tvx
