// The guards of the run against values that no problem has and against computed values that
// are not finite numbers: a refused input value ends the run with the input status and a
// message naming the layer, the item and the value; values the rules give a meaning run as
// before; and a value that is not finite never reaches a result file as "NaN" or "Inf".
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>

#include "Analysis.h"
#include "EngineState.h"
#include "EngineTestSupport.h"
#include "Format.h"
#include "RunStatus.h"

namespace tvx {
namespace {
namespace fs = std::filesystem;
using test::EngineRun;
using test::Lines;
using test::ScratchDir;

const char* const kRefusedHeading = "THE INPUT FILE HOLDS A VALUE THE ANALYSIS CANNOT TAKE AT LINE ";
const char* const kNotFiniteLine = "A COMPUTED VALUE IS NOT A FINITE NUMBER: THE ANALYSIS STOPS.";

bool Holds(const std::vector<std::string>& lines, const std::string& text) {
  for (const std::string& l : lines)
    if (l.find(text) != std::string::npos) return true;
  return false;
}

// The first line of any result file that spells a value that is not finite.
std::string FirstNonFiniteLine(const EngineRun& run) {
  for (const fs::path& file : {run.report, run.plot, run.notes, run.curves})
    for (const std::string& l : test::ReadLines(file))
      for (const char* word : {"NaN", "nan", "Inf", "inf"})
        if (l.find(word) != std::string::npos) return file.filename().string() + ": " + l;
  return "";
}

// The problems that once ran to status 0 or 7 writing NaN and Infinity into their files.
struct ReproducerCase {
  const char* name;
  const char* seed;      // the problem, kept as a seed of the whole-engine fuzz target
  const char* record;    // the record line of the message
  const char* problem;   // the item line of the message
};

class RefusedReproducer : public ::testing::TestWithParam<ReproducerCase> {};

TEST_P(RefusedReproducer, EndsWithTheInputStatusNamingTheItemInReportAndRunNotes) {
  const ReproducerCase& c = GetParam();
  ScratchDir dir;
  const EngineRun run =
      test::RunProblemFile(dir, fs::path(TORVEX_SOURCE_DIR) / "tests/fuzz/seeds/fuzz_analysis" / c.seed);
  EXPECT_EQ(run.status, kStatusInputUnreadable);
  for (const auto& lines : {run.ReportLines(), run.NotesLines()}) {
    EXPECT_TRUE(Holds(lines, kRefusedHeading));
    EXPECT_TRUE(Holds(lines, c.record));
    EXPECT_TRUE(Holds(lines, c.problem));
  }
  EXPECT_EQ(FirstNonFiniteLine(run), "");
}

INSTANTIATE_TEST_SUITE_P(
    Seeds, RefusedReproducer,
    ::testing::Values(
        ReproducerCase{"EveryLayerParameterHugeNegative", "layer-parameters-huge-negative.tv8d",
                       "THE RECORD OF LAYER 1, VALUES AT THE TOP:",
                       "ITEM 2, TOTAL UNIT WEIGHT = -1E+38 IS NEGATIVE; A UNIT WEIGHT CANNOT BE NEGATIVE."},
        ReproducerCase{"ShaftLoadAndWaterTableHuge", "shaft-load-water-table-huge.tv8d",
                       "THE RECORD OF SHAFT DIAMETERS, BELL, IGNORED PORTIONS AND MODULUS:",
                       "ITEM 1, MINIMUM SHAFT DIAMETER = 1E+38 IS ABOVE 1E+05, THE LARGEST LENGTH"}),
    [](const auto& info) { return std::string(info.param.name); });

// Values the rules give a meaning (a negative end bearing, zero for an estimated item, a
// zero socket diameter, ...) in an example: the run goes through as it always did.
struct KeptRunCase {
  const char* name;
  const char* example;
  std::size_t line;  // 1-based line of the example replaced by `text`
  const char* text;
  const char* shows;  // a report text the kept value leads to ("" for none)
};

class KeptValueRun : public ::testing::TestWithParam<KeptRunCase> {};

Lines ExampleLines(const std::string& name) {
  Lines lines = test::LinesOf(test::ReadFile(test::ExamplePath(name)));
  for (std::string& l : lines)
    if (!l.empty() && l.back() == '\r') l.pop_back();
  return lines;
}

TEST_P(KeptValueRun, RunsToTheEndWithFiniteResults) {
  const KeptRunCase& c = GetParam();
  Lines lines = ExampleLines(c.example);
  ASSERT_LE(c.line, lines.size());
  lines[c.line - 1] = c.text;
  ScratchDir dir;
  const EngineRun run = test::RunProblem(dir, test::Join(lines));
  EXPECT_EQ(run.status, kStatusNormal);
  EXPECT_FALSE(Holds(run.ReportLines(), kRefusedHeading));
  EXPECT_FALSE(Holds(run.ReportLines(), kNotFiniteLine));
  EXPECT_EQ(FirstNonFiniteLine(run), "");
  if (*c.shows) {
    EXPECT_TRUE(Holds(run.ReportLines(), c.shows)) << c.shows;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, KeptValueRun,
    ::testing::Values(
        KeptRunCase{"NegativeEndBearingIsAFixedBearing", "sand-over-clay.tv8d", 12,
                    "0 115 0.0 1200 0 0 -40000 1 1 ", ""},
        KeptRunCase{"ZeroFrictionAngleIsEstimatedFromTheBlowCount", "sand-over-clay.tv8d", 7,
                    "0.0 120 0 0 15 0 0 1 1 ", ""},
        KeptRunCase{"NegativeInterfaceAngleTakesTheFrictionAngle", "sand-over-clay.tv8d", 7,
                    "0.0 120 32 -1 15 0 0 1 1 ", ""},
        KeptRunCase{"NegativeSideFrictionLimitLimitsNothing", "sand-over-clay.tv8d", 8,
                    "0.0 122 34 0 22 -500 0 1 1 ", ""},
        KeptRunCase{"NegativeOutputIncrementIsReplaced", "sand-over-clay.tv8d", 3, "2 1 1 -1 1 2 0 0 0 0 0", ""},
        KeptRunCase{"NegativeBellRatioIsAStraightShaft", "sand-over-clay.tv8d", 4, "3 3 -2 0 0 0 3600000",
                    "RATIO BASE/SHAFT DIAMETER =   -2.000"},
        KeptRunCase{"ZeroWeakRockSocketDiameter", "weak-rock-socket-over-shale.tv8d", 11,
                    "80000 1 7 30 0 0 500000 70 0 1 1 ", ""},
        KeptRunCase{"ZeroDiscontinuitySpacing", "strong-rock-end-bearing.tv8d", 12,
                    "200000 580000 0 0.01 3 0 1000000 80 0 1 1 ", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The last guard: once a field was printed for a value that is not finite, the message goes
// to the report and the run notes, and a run still at status 0 ends with its own status.
struct GuardCase {
  const char* name;
  int status;
  bool nonFinite;
  int expected;
};

class NonFiniteGuard : public ::testing::TestWithParam<GuardCase> {};

TEST_P(NonFiniteGuard, SetsTheStatusAndWritesTheMessageOnce) {
  const GuardCase& c = GetParam();
  auto state = std::make_unique<EngineState>();
  state->units.OpenCapture(kUnitReport);
  state->units.OpenCapture(kUnitRunNotes);
  ResetNonFiniteFieldCount();
  const double value = c.nonFinite ? std::numeric_limits<double>::quiet_NaN() : 12.5;
  state->units.Write(kUnitReport, Record().X(5).T("TIP =").F(9, 2, value));
  EXPECT_EQ(StopOnNonFiniteValue(*state, c.status), c.expected);
  if (c.expected == kStatusNotFinite) {
    EXPECT_EQ(StopOnNonFiniteValue(*state, c.expected), c.expected);
  }
  const std::string report = state->units.Captured(kUnitReport);
  const std::string notes = state->units.Captured(kUnitRunNotes);
  EXPECT_EQ(report.find("nan"), std::string::npos);
  EXPECT_EQ(report.find("NaN"), std::string::npos);
  for (const std::string& text : {report, notes}) {
    const std::size_t at = text.find(kNotFiniteLine);
    EXPECT_EQ(at != std::string::npos, c.nonFinite) << text;
    if (at != std::string::npos) {
      EXPECT_EQ(text.find(kNotFiniteLine, at + 1), std::string::npos);
    }
  }
  ResetNonFiniteFieldCount();
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, NonFiniteGuard,
    ::testing::Values(GuardCase{"FiniteRunKeepsNormalStatus", kStatusNormal, false, kStatusNormal},
                      GuardCase{"NonFiniteEndsANormalRun", kStatusNormal, true, kStatusNotFinite},
                      GuardCase{"RunStoppedForAShortProfileKeepsItsStatus", kStatusNeedAnotherLayer, true,
                                kStatusNeedAnotherLayer}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tvx
