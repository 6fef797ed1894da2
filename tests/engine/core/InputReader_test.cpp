#include "InputReader.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tvx {
namespace {

using test::Join;
using test::Lines;

// An English problem with one sand and one clay layer, design depth given.
const Lines kTwoLayers = {
    "Reader test",                            // 1
    "1",                                      // 2
    "2 1 1 1 1 2 0 0 0 0 0",                  // 3
    "3 4 2.5 30 1 1.5 3600000",               // 4
    "2 8 40 2.5 3",                           // 5
    "1 10 ",                                  // 6
    "0.0 115 30 28 10 500 40000 0.55 0.5 ",   // 7
    "0.0 118 32 0 14 500 40000 0.6 0.45 ",    // 8
    "2 ",                                     // 9
    "0.4 0.6 ",                               // 10
    "2 25.5 ",                                // 11
    "7 120 0.0 1500 3 0 0 0.45 0.4 ",         // 12
    "8 122 0.0 2500 5 0 -30000 0.5 0.35 ",    // 13
    "0.5 0.45",                               // 14
};

Lines With(Lines lines, std::size_t lineNo, const std::string& text) {
  lines[lineNo - 1] = text;
  return lines;
}

ProblemRecord Read(const std::string& text) {
  ProblemRecord p;
  InputError e;
  EXPECT_TRUE(ReadProblemText(text, p, e)) << "line " << e.line << ": " << e.record << ": " << e.problem;
  return p;
}

TEST(InputReader, BindsControlShaftAndProfileRecords) {
  const ProblemRecord p = Read(Join(kTwoLayers));
  EXPECT_EQ(p.TITLE, "Reader test");
  EXPECT_EQ(p.IUNIT, 1);
  EXPECT_EQ(p.UNITS, "EN");
  EXPECT_EQ(p.METHOD, 2);
  EXPECT_EQ(p.IMOD, 1);
  EXPECT_EQ(p.NLRFD, 2);
  EXPECT_FLOAT_EQ(p.DSTART, 3.0f);
  EXPECT_FLOAT_EQ(p.DIALIM, 4.0f);
  EXPECT_FLOAT_EQ(p.RATIO, 2.5f);
  EXPECT_FLOAT_EQ(p.BELANGL, 30.0f);
  EXPECT_FLOAT_EQ(p.TOPLENG, 1.0f);
  EXPECT_FLOAT_EQ(p.BS, 1.5f);
  EXPECT_FLOAT_EQ(p.Ec, 3600000.0f);
  EXPECT_FLOAT_EQ(p.EcInput, 3600000.0f);
  EXPECT_EQ(p.NLAYERS, 3);  // the ground-surface entry and two layers
  EXPECT_EQ(p.LayerCount(), 2);
  EXPECT_FLOAT_EQ(p.WTD, 8.0f);
  EXPECT_FLOAT_EQ(p.DGH, 40.0f);
  EXPECT_FLOAT_EQ(p.P, 0.0f);
  EXPECT_FLOAT_EQ(p.FST, 2.5f);
  EXPECT_FLOAT_EQ(p.FSB, 3.0f);

  const LayerEntry& sand = p.layer[2];
  EXPECT_EQ(sand.KSOIL, kSand);
  EXPECT_FLOAT_EQ(sand.XTOP, 0.0f);
  EXPECT_FLOAT_EQ(sand.XBOT, 10.0f);
  EXPECT_FLOAT_EQ(sand.GAMMA.top, 115.0f);
  EXPECT_FLOAT_EQ(sand.GAMMA.bot, 118.0f);
  EXPECT_FLOAT_EQ(sand.PHI.top, 30.0f);
  EXPECT_FLOAT_EQ(sand.PHIW.bot, 32.0f);
  EXPECT_FLOAT_EQ(sand.IANG.top, 28.0f);  // given at one end: both ends as read
  EXPECT_FLOAT_EQ(sand.IANG.bot, 0.0f);
  EXPECT_FLOAT_EQ(sand.BLOWS.bot, 14.0f);
  EXPECT_FLOAT_EQ(sand.TRANLM.top, 500.0f);
  EXPECT_FLOAT_EQ(sand.QMAX.bot, 40000.0f);
  EXPECT_FLOAT_EQ(sand.FLRFDS, 0.6f);  // the bottom line's factors
  EXPECT_FLOAT_EQ(sand.FLRFDB, 0.45f);
  EXPECT_EQ(sand.sandMethod, kBetaMethod);
  EXPECT_FLOAT_EQ(sand.BETA.top, 0.4f);
  EXPECT_FLOAT_EQ(sand.BETA.bot, 0.6f);
  EXPECT_FLOAT_EQ(sand.COEF.bot, 0.6f);

  const LayerEntry& clay = p.layer[3];
  EXPECT_EQ(clay.KSOIL, kClay);
  EXPECT_FLOAT_EQ(clay.XTOP, 10.0f);
  EXPECT_FLOAT_EQ(clay.XBOT, 25.5f);
  EXPECT_FLOAT_EQ(clay.NC.top, 7.0f);
  EXPECT_FLOAT_EQ(clay.NC.bot, 8.0f);
  EXPECT_FLOAT_EQ(clay.CU.bot, 2500.0f);
  EXPECT_FLOAT_EQ(clay.BLOWS.top, 3.0f);
  EXPECT_FLOAT_EQ(clay.ALPHA.top, 0.5f);
  EXPECT_FLOAT_EQ(clay.ALPHA.bot, 0.45f);
  EXPECT_FLOAT_EQ(clay.TRANLM.top, kNoLimit);  // not given
  EXPECT_FLOAT_EQ(clay.QMAX.top, kNoLimit);
  EXPECT_FLOAT_EQ(clay.QMAX.bot, -30000.0f);  // a fixed unit end bearing stays
}

// Every layer type's parameter lines bound to their variables.
struct LayerCase {
  const char* name;
  Lines lines;  // the layer line and what follows it
  std::function<void(const LayerEntry&)> check;
};

class LayerBinding : public ::testing::TestWithParam<LayerCase> {};

TEST_P(LayerBinding, BindsEveryItemOfTheType) {
  Lines lines(kTwoLayers.begin(), kTwoLayers.begin() + 5);
  lines[4] = "1 8 40 2.5 3";
  for (const std::string& l : GetParam().lines) lines.push_back(l);
  const ProblemRecord p = Read(Join(lines));
  GetParam().check(p.layer[2]);
}

INSTANTIATE_TEST_SUITE_P(
    Types, LayerBinding,
    ::testing::Values(
        LayerCase{"SandKo",
                  {"1 12", "0.0 110 0 0 8 0 0 1 1", "0.0 112 0 0 12 0 0 1 1", "1", "0.45 0.5"},
                  [](const LayerEntry& L) {
                    EXPECT_EQ(L.sandMethod, kKoMethod);
                    EXPECT_FLOAT_EQ(L.COEF.top, 0.45f);
                    EXPECT_FLOAT_EQ(L.COEF.bot, 0.5f);
                    EXPECT_FLOAT_EQ(L.BETA.top, 0.0f);
                  }},
        LayerCase{"SandKulhawyChen",
                  {"1 12", "0.0 110 31 0 8 0 0 1 1", "0.0 112 33 0 12 0 0 1 1", "3", "0.6 0.8"},
                  [](const LayerEntry& L) {
                    EXPECT_EQ(L.sandMethod, kKulhawyChenMethod);
                    EXPECT_FLOAT_EQ(L.KCM.top, 0.6f);
                    EXPECT_FLOAT_EQ(L.KCM.bot, 0.8f);
                    EXPECT_FLOAT_EQ(L.IANG.top, 31.0f);  // zero at both ends: the friction angle
                    EXPECT_FLOAT_EQ(L.IANG.bot, 33.0f);
                  }},
        LayerCase{"Shale",
                  {"3 12.5", "0 125 0.0 6000 20 4000 0 0.5 0.4", "6.5 128 0.0 7000 30 4000 0 0.5 0.4", "0.3 0.35"},
                  [](const LayerEntry& L) {
                    EXPECT_EQ(L.KSOIL, kShale);
                    EXPECT_FLOAT_EQ(L.NC.bot, 6.5f);
                    EXPECT_FLOAT_EQ(L.CU.top, 6000.0f);
                    EXPECT_FLOAT_EQ(L.BLOWS.bot, 30.0f);
                    EXPECT_FLOAT_EQ(L.TRANLM.bot, 4000.0f);
                    EXPECT_FLOAT_EQ(L.ALPHA.bot, 0.35f);
                  }},
        LayerCase{"StrongRockSideOrBase",
                  {"4 20", "200000 580000 2 0.01 3.5 9000 300000 80 500000 0.55 0.5",
                   "210000 580000 3 0.02 3.5 9000 310000 85 500000 0.6 0.45"},
                  [](const LayerEntry& L) {
                    EXPECT_EQ(L.KSOIL, kStrongRock);
                    EXPECT_FLOAT_EQ(L.QUR.top, 200000.0f);
                    EXPECT_FLOAT_EQ(L.QUCON.top, 580000.0f);
                    EXPECT_FLOAT_EQ(L.CS.bot, 3.0f);
                    EXPECT_FLOAT_EQ(L.DISCT.bot, 0.02f);
                    EXPECT_FLOAT_EQ(L.BDS.top, 3.5f);
                    EXPECT_FLOAT_EQ(L.TRANLM.top, 9000.0f);
                    EXPECT_FLOAT_EQ(L.EL.bot, 310000.0f);
                    EXPECT_FLOAT_EQ(L.RQD.bot, 85.0f);
                    EXPECT_FLOAT_EQ(L.QMAX.top, 500000.0f);
                    EXPECT_FLOAT_EQ(L.FLRFDS, 0.6f);
                    EXPECT_FLOAT_EQ(L.FLRFDB, 0.45f);
                  }},
        LayerCase{"StrongRockSideAndBase",
                  {"7.0 20", "200000 580000 2 0.01 3.5 0 300000 80 0", "200000 580000 2 0.01 3.5 0 300000 80 0"},
                  [](const LayerEntry& L) {
                    EXPECT_EQ(L.KSOIL, kStrongRockBoth);
                    EXPECT_FLOAT_EQ(L.FLRFDS, 1.0f);  // shorter form: no LRFD factors
                    EXPECT_FLOAT_EQ(L.QMAX.bot, kNoLimit);
                  }},
        LayerCase{"WeakRock",
                  {"6 20", "50000 3 7 30 3.5 8000 500000 60 0 0.5 0.5", "60000 2 6 31 3.6 8000 600000 70 0 0.55 0.45"},
                  [](const LayerEntry& L) {
                    EXPECT_EQ(L.KSOIL, kWeakRock);
                    EXPECT_EQ(L.ICOND, 3);  // the top line's condition
                    EXPECT_FLOAT_EQ(L.QUR.bot, 60000.0f);
                    EXPECT_FLOAT_EQ(L.SLUMP.bot, 6.0f);
                    EXPECT_FLOAT_EQ(L.PHIRC.bot, 31.0f);
                    EXPECT_FLOAT_EQ(L.BDS.bot, 3.6f);
                    EXPECT_FLOAT_EQ(L.EL.top, 500000.0f);
                    EXPECT_FLOAT_EQ(L.RQD.top, 60.0f);
                    EXPECT_FLOAT_EQ(L.FLRFDS, 0.55f);
                  }},
        LayerCase{"DecomposedRock",
                  {"5 20", "125 40 0.3 15000 3 0 0 0.6 0.5", "128 50 0.32 16000 3 0 0 0.6 0.5"},
                  [](const LayerEntry& L) {
                    EXPECT_EQ(L.KSOIL, kDecomposedRock);
                    EXPECT_FLOAT_EQ(L.GAMMA.bot, 128.0f);
                    EXPECT_FLOAT_EQ(L.BLOWS.top, 40.0f);
                    EXPECT_FLOAT_EQ(L.POISSON.bot, 0.32f);
                    EXPECT_FLOAT_EQ(L.EL.top, 15000.0f);
                    EXPECT_FLOAT_EQ(L.BDS.top, 3.0f);
                    EXPECT_FLOAT_EQ(L.TRANLM.top, kNoLimit);
                  }},
        LayerCase{"GravellySand",
                  {"8 20", "125 30 0 0 0 0.5 0.4", "128 40 0.9 0 0 0.5 0.4"},
                  [](const LayerEntry& L) {
                    EXPECT_EQ(L.KSOIL, kGravellySand);
                    EXPECT_EQ(L.sandMethod, kBetaMethod);
                    EXPECT_FLOAT_EQ(L.BLOWS.bot, 40.0f);
                    EXPECT_FLOAT_EQ(L.BETA.bot, 0.9f);
                    EXPECT_FLOAT_EQ(L.COEF.bot, 0.9f);
                    EXPECT_FLOAT_EQ(L.FLRFDB, 0.4f);
                  }},
        LayerCase{"GravelShortLines",
                  {"9.5 20", "130 60 0 0 0", "132 70 0 0 0"},
                  [](const LayerEntry& L) {
                    EXPECT_EQ(L.KSOIL, kGravel);  // the integer part of the type
                    EXPECT_FLOAT_EQ(L.FLRFDS, 1.0f);
                    EXPECT_FLOAT_EQ(L.FLRFDB, 1.0f);
                  }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputReader, TenOptionsMeanNoTzPrintDepths) {
  // Record 3 with 10 values: the t-z print flag is absent and so is the depth list.
  const ProblemRecord p = Read(Join(With(kTwoLayers, 3, "2 1 1 1 1 2 0 0 0 0")));
  EXPECT_EQ(p.PrintTZCurves, 0);
  EXPECT_EQ(p.NTZDEP, 0);

  Lines withDepths = With(kTwoLayers, 3, "2 1 1 1 1 2 0 0 0 0 1");
  for (const char* l : {"3", "5", "12.5", "20"}) withDepths.push_back(l);
  const ProblemRecord q = Read(Join(withDepths));
  ASSERT_EQ(q.NTZDEP, 3);
  EXPECT_FLOAT_EQ(q.TZDEP[1], 5.0f);
  EXPECT_FLOAT_EQ(q.TZDEP[2], 12.5f);
  EXPECT_FLOAT_EQ(q.TZDEP[3], 20.0f);
}

TEST(InputReader, PlaceholderTakesAnyNumber) {
  const ProblemRecord p = Read(Join(With(kTwoLayers, 7, "7.5 115 30 28 10 500 40000 0.55 0.5")));
  EXPECT_FLOAT_EQ(p.layer[2].GAMMA.top, 115.0f);
  EXPECT_FLOAT_EQ(p.layer[2].PHI.top, 30.0f);
}

TEST(InputReader, AcceptsTabsSignsExponentsAndLfLineEnds) {
  Lines lines = With(kTwoLayers, 4, "+3\t4  2.5E0 3e1 1 1.5 3.6E6");
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  ProblemRecord p;
  InputError e;
  ASSERT_TRUE(ReadProblemText(text, p, e)) << e.problem;
  EXPECT_FLOAT_EQ(p.DSTART, 3.0f);
  EXPECT_FLOAT_EQ(p.BELANGL, 30.0f);
  EXPECT_FLOAT_EQ(p.Ec, 3600000.0f);
}

TEST(InputReader, TitleIsCutToSeventyTwoCharacters) {
  const std::string longTitle(80, 'T');
  const ProblemRecord p = Read(Join(With(kTwoLayers, 1, longTitle)));
  EXPECT_EQ(p.TITLE, std::string(72, 'T'));
}

TEST(InputReader, MethodOneTakesTheDesignLoad) {
  const ProblemRecord p = Read(Join(With(kTwoLayers, 3, "1 1 1 1 1 2 0 0 0 0 0")));
  EXPECT_FLOAT_EQ(p.P, 40.0f);
  EXPECT_FLOAT_EQ(p.DGH, 0.0f);
}

struct RangeCase {
  const char* name;
  Lines extra;        // records 6 to 8
  const char *units, *options;
  float pdmin, pdincr, diamincr;
  int npoint;
};

class LengthRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(LengthRange, FillsZeroValuesAndKeepsSixDiameters) {
  const RangeCase& c = GetParam();
  Lines lines(kTwoLayers.begin(), kTwoLayers.begin() + 5);
  lines[1] = c.units;
  lines[2] = c.options;
  lines[3] = "1 1 0 0 2 1 3600000";  // DSTART 1, TOPLENG 2, BS 1: at least 9 long
  for (const std::string& l : c.extra) lines.push_back(l);
  lines.insert(lines.end(), kTwoLayers.begin() + 5, kTwoLayers.end());
  const ProblemRecord p = Read(Join(lines));
  EXPECT_FLOAT_EQ(p.PDMIN, c.pdmin);
  EXPECT_FLOAT_EQ(p.PDINCR, c.pdincr);
  EXPECT_FLOAT_EQ(p.DIAMINCR, c.diamincr);
  EXPECT_EQ(p.NPOINTPD, c.npoint);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, LengthRange,
    ::testing::Values(
        // zero minimum: 0.7 x 40; zero step 3 ft
        RangeCase{"VaryLengthDefaults", {"0 0"}, "1", "2 1 1 1 1 2 1 0 0 0 0", 28.0f, 3.0f, 0.0f, 0},
        RangeCase{"VaryLengthGiven", {"20 5"}, "1", "2 1 1 1 1 2 1 0 0 0 0", 20.0f, 5.0f, 0.0f, 0},
        // given minimum below six diameters plus the ignored portions
        RangeCase{"VaryLengthLowerBound", {"4 5"}, "1", "2 1 1 1 1 2 1 0 0 0 0", 9.0f, 5.0f, 0.0f, 0},
        // SI: step 1 m
        RangeCase{"VaryLengthSI", {"0 0"}, "2", "2 1 1 1 1 2 1 0 0 0 0", 28.0f, 1.0f, 0.0f, 0},
        // charts: 0.3 x 40, diameter step 0.5 ft / 0.15 m
        RangeCase{"ChartDefaults", {"0 0 0 2", "0.5 1 "}, "1", "2 1 1 1 1 2 0 1 0 0 0", 12.0f, 3.0f, 0.5f, 2},
        RangeCase{"ChartDefaultsSI", {"0 0 0 0", ""}, "2", "2 1 1 1 1 2 0 1 0 0 0", 12.0f, 1.0f, 0.15f, 0},
        // both flags: the chart record wins
        RangeCase{"BothFlags", {"30 5", "15 2 0.25 1", "0.75 "}, "1", "2 1 1 1 1 2 1 1 0 0 0", 15.0f, 2.0f,
                  0.25f, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// Malformed input: the reading stops at the record, naming its line.
struct BadCase {
  const char* name;
  std::string text;
  int line;
  const char* problem;  // part of the message
};

class MalformedInput : public ::testing::TestWithParam<BadCase> {};

TEST_P(MalformedInput, StopsAtTheRecordAndNamesItsLine) {
  const BadCase& c = GetParam();
  ProblemRecord p;
  InputError e;
  EXPECT_FALSE(ReadProblemText(c.text, p, e));
  EXPECT_EQ(e.line, c.line) << e.problem;
  EXPECT_NE(e.problem.find(c.problem), std::string::npos) << e.problem;
  EXPECT_FALSE(e.record.empty());
}

Lines Truncated(std::size_t lines) { return Lines(kTwoLayers.begin(), kTwoLayers.begin() + lines); }

Lines ManyLayers(int n) {
  Lines l = Truncated(5);
  l[4] = std::to_string(n) + " 8 40 2.5 3";
  for (int i = 1; i <= n; ++i) {
    l.push_back("2 " + std::to_string(2 * i));
    l.push_back("7 120 0.0 1500 3 0 0 1 1");
    l.push_back("7 120 0.0 1500 3 0 0 1 1");
    l.push_back("0.5 0.5");
  }
  return l;
}

Lines WithChart(const std::string& range, const std::string& settlements) {
  Lines l = With(kTwoLayers, 3, "2 1 1 1 1 2 0 1 0 0 0");
  l.insert(l.begin() + 5, {range, settlements});
  return l;
}

Lines WithTzDepths(const std::string& count) {
  Lines l = With(kTwoLayers, 3, "2 1 1 1 1 2 0 0 0 0 1");
  l.push_back(count);
  return l;
}

INSTANTIATE_TEST_SUITE_P(
    Files, MalformedInput,
    ::testing::Values(
        BadCase{"EmptyFile", "", 1, "ENDS BEFORE"},
        BadCase{"WordNotANumber", Join(With(kTwoLayers, 4, "3 4 2.5 abc 1 1.5 3600000")), 4,
                "ITEM 4: A NUMBER WAS EXPECTED, FOUND \"abc\""},
        BadCase{"DecimalComma", Join(With(kTwoLayers, 8, "0.0 118 32 0 14 500 40000 0,6 0.45")), 8,
                "ITEM 8: A NUMBER WAS EXPECTED"},
        BadCase{"IntegerWithFraction", Join(With(kTwoLayers, 3, "2 1 1 1 2.5 2 0 0 0 0 0")), 3,
                "ITEM 5: A WHOLE NUMBER WAS EXPECTED, FOUND \"2.5\""},
        BadCase{"LayerCountWithFraction", Join(With(kTwoLayers, 5, "2.0 8 40 2.5 3")), 5, "WHOLE NUMBER"},
        BadCase{"NotFinite", Join(With(kTwoLayers, 5, "2 inf 40 2.5 3")), 5, "A NUMBER WAS EXPECTED"},
        BadCase{"NotANumberWord", Join(With(kTwoLayers, 12, "7 nan 0.0 1500 3 0 0 1 1")), 12, "A NUMBER WAS EXPECTED"},
        BadCase{"BeyondSinglePrecision", Join(With(kTwoLayers, 4, "3 4 2.5 30 1 1.5 1e39")), 4, "OUT OF RANGE"},
        BadCase{"IntegerBeyondRange", Join(With(kTwoLayers, 2, "99999999999")), 2, "OUT OF RANGE"},
        BadCase{"TruncatedInLayers", Join(Truncated(12)), 13, "ENDS BEFORE"},
        BadCase{"TruncatedBeforeMethod", Join(Truncated(8)), 9, "ENDS BEFORE"},
        BadCase{"ShortShaftRecord", Join(With(kTwoLayers, 4, "3 4 2.5 30 1 1.5")), 4, "HOLDS 6 VALUES, 7 EXPECTED"},
        BadCase{"ShortOptions", Join(With(kTwoLayers, 3, "2 1 1 1 1 2 0 0 0")), 3, "HOLDS 9 VALUES, 10 EXPECTED"},
        BadCase{"ParameterLineTooShort", Join(With(kTwoLayers, 7, "0.0 115 30 28 10 500")), 7,
                "HOLDS 6 VALUES, 7 EXPECTED"},
        BadCase{"FiftyLayers", Join(ManyLayers(50)), 5, "1 TO 49, FOUND 50"},
        BadCase{"NoLayer", Join(With(kTwoLayers, 5, "0 8 40 2.5 3")), 5, "1 TO 49, FOUND 0"},
        BadCase{"NegativeLayerCount", Join(With(kTwoLayers, 5, "-3 8 40 2.5 3")), 5, "FOUND -3"},
        BadCase{"UnknownLayerTypeZero", Join(With(kTwoLayers, 6, "0 10")), 6, "UNKNOWN LAYER TYPE 0"},
        BadCase{"UnknownLayerTypeTen", Join(With(kTwoLayers, 11, "10 25.5")), 11, "UNKNOWN LAYER TYPE 10"},
        BadCase{"UnknownLayerTypeHuge", Join(With(kTwoLayers, 6, "3e30 10")), 6, "UNKNOWN LAYER TYPE"},
        BadCase{"LayerNotBelowTheOneAbove", Join(With(kTwoLayers, 11, "2 10")), 11, "MUST BE DEEPER THAN ITS TOP 10"},
        BadCase{"FirstLayerAtTheSurface", Join(With(kTwoLayers, 6, "1 0")), 6, "MUST BE DEEPER"},
        BadCase{"ProfileTooDeep", Join(With(kTwoLayers, 11, "2 1000.5")), 11, "DEEPER THAN 1000 FT"},
        BadCase{"SandMethodUnknown", Join(With(kTwoLayers, 9, "4")), 9, "MUST BE 1, 2 OR 3, FOUND 4"},
        BadCase{"MethodUnknown", Join(With(kTwoLayers, 3, "3 1 1 1 1 2 0 0 0 0 0")), 3, "FOUND 3"},
        BadCase{"NoDiameter", Join(With(kTwoLayers, 4, "0 4 2.5 30 1 1.5 3600000")), 4, "DIAMETER"},
        BadCase{"ElevenSettlements", Join(WithChart("0 0 0 11", "1 1 1 1 1 1 1 1 1 1 1")), 6, "0 TO 10, FOUND 11"},
        BadCase{"NegativeSettlementCount", Join(WithChart("0 0 0 -1", "")), 6, "FOUND -1"},
        BadCase{"FewerSettlementsThanCount", Join(WithChart("0 0 0 3", "0.5 1")), 7, "HOLDS 2 VALUES, 3 EXPECTED"},
        BadCase{"NegativeTzDepthCount", Join(WithTzDepths("-2")), 15, "FOUND -2"},
        BadCase{"TooManyTzDepths", Join(WithTzDepths("51")), 15, "0 TO 50, FOUND 51"},
        BadCase{"TzDepthsMissing", Join(WithTzDepths("2")), 16, "ENDS BEFORE"},
        BadCase{"WeakRockConditionWithFraction",
                Join({"t", "1", "2 1 1 1 1 2 0 0 0 0 0", "3 3 0 0 0 0 3600000", "1 8 10 2 3", "6 20",
                      "50000 1.5 7 30 3.5 8000 500000 60 0 0.5 0.5"}),
                7, "ITEM 2: A WHOLE NUMBER"}),
    [](const auto& info) { return std::string(info.param.name); });

// One layer of `layerLines` under the control records of kTwoLayers.
Lines OneLayer(const Lines& layerLines) {
  Lines l = Truncated(5);
  l[4] = "1 8 40 2.5 3";
  l.insert(l.end(), layerLines.begin(), layerLines.end());
  return l;
}

// Values that no problem has: the record is read, the value refused, and the message names
// the record (so the layer), the item and the value as written.
struct RefusedCase {
  const char* name;
  Lines lines;
  int line;
  const char* record;  // part of the record's name
  const char* problem;
};

class RefusedValue : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedValue, StopsTheReadingNamingTheItemAndTheValue) {
  const RefusedCase& c = GetParam();
  ProblemRecord p;
  InputError e;
  EXPECT_FALSE(ReadProblemText(Join(c.lines), p, e));
  EXPECT_EQ(e.line, c.line) << e.problem;
  EXPECT_NE(e.record.find(c.record), std::string::npos) << e.record;
  EXPECT_NE(e.problem.find(c.problem), std::string::npos) << e.problem;
  EXPECT_TRUE(e.refused);
}

const Lines kStrongRock = {"4 20", "200000 580000 2 0.01 3 0 1000000 80 0 1 1", "220000 580000 2 0.01 3 0 1100000 85 0 1 1"};
const Lines kWeakRock = {"6 20", "50000 1 7 30 3.5 8000 500000 60 0 0.5 0.5", "50000 1 7 30 3.5 8000 500000 60 0 0.5 0.5"};
const Lines kDecomposedRock = {"5 20", "20 40 0.3 150000 1.0 0 0 0.6 0.55", "21 60 0.3 200000 1.0 0 0 0.6 0.55"};

Lines WithLayerLine(const Lines& layer, std::size_t i, const std::string& text) {
  Lines l = layer;
  l[i] = text;
  return OneLayer(l);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RefusedValue,
    ::testing::Values(
        RefusedCase{"NegativeUnitWeight", With(kTwoLayers, 7, "0.0 -115 30 28 10 500 40000 0.55 0.5"), 7,
                    "LAYER 1, VALUES AT THE TOP", "ITEM 2, TOTAL UNIT WEIGHT = -115 IS NEGATIVE"},
        RefusedCase{"NegativeBlowCount", With(kTwoLayers, 8, "0.0 118 32 0 -14 500 40000 0.6 0.45"), 8,
                    "LAYER 1, VALUES AT THE BOTTOM", "ITEM 5, BLOW COUNT = -14 IS NEGATIVE"},
        RefusedCase{"NegativeCohesion", With(kTwoLayers, 13, "8 122 0.0 -2500 5 0 -30000 0.5 0.35"), 13,
                    "LAYER 2, VALUES AT THE BOTTOM", "ITEM 4, COHESION = -2500 IS NEGATIVE"},
        RefusedCase{"NegativeMaximumDiameter", With(kTwoLayers, 4, "3 -4 2.5 30 1 1.5 3600000"), 4, "SHAFT",
                    "ITEM 2, MAXIMUM SHAFT DIAMETER = -4 IS NEGATIVE"},
        RefusedCase{"NegativeIgnoredTop", With(kTwoLayers, 4, "3 4 2.5 30 -1 1.5 3600000"), 4, "SHAFT",
                    "IGNORED TOP PORTION = -1 IS NEGATIVE"},
        RefusedCase{"NegativeShaftModulus", With(kTwoLayers, 4, "3 4 2.5 30 1 1.5 -3600000"), 4, "SHAFT",
                    "ELASTIC MODULUS, Ec = -3600000 IS NEGATIVE"},
        RefusedCase{"NegativeWaterTable", With(kTwoLayers, 5, "2 -8 40 2.5 3"), 5, "WATER TABLE",
                    "WATER TABLE DEPTH = -8 IS NEGATIVE"},
        RefusedCase{"NegativeShaftLength", With(kTwoLayers, 5, "2 8 -40 2.5 3"), 5, "DESIGN LOAD OR DEPTH",
                    "SHAFT LENGTH = -40 IS NEGATIVE"},
        RefusedCase{"HugeDiameter", With(kTwoLayers, 4, "1e38 4 2.5 30 1 1.5 3600000"), 4, "SHAFT",
                    "MINIMUM SHAFT DIAMETER = 1E+38 IS ABOVE 1E+05, THE LARGEST LENGTH"},
        RefusedCase{"HugeBellRatio", With(kTwoLayers, 4, "3 4 2000 30 1 1.5 3600000"), 4, "SHAFT",
                    "RATIO BASE/SHAFT DIAMETER = 2000 IS ABOVE 1000, THE LARGEST FACTOR"},
        RefusedCase{"HugeDesignLoad", With(With(kTwoLayers, 3, "1 1 1 1 1 2 0 0 0 0 0"), 5, "2 8 1e9 2.5 3"), 5,
                    "DESIGN LOAD OR DEPTH", "DESIGN LOAD = 1E+09 IS ABOVE 1E+08, THE LARGEST LOAD"},
        RefusedCase{"HugeSafetyFactor", With(kTwoLayers, 5, "2 8 40 2.5 1e4"), 5, "FACTORS OF SAFETY",
                    "FACTOR OF SAFETY ON BASE CAPACITY = 10000 IS ABOVE 1000"},
        RefusedCase{"HugeFrictionAngle", With(kTwoLayers, 7, "0.0 115 400 28 10 500 40000 0.55 0.5"), 7,
                    "LAYER 1", "FRICTION ANGLE = 400 IS ABOVE 360, THE LARGEST ANGLE"},
        RefusedCase{"HugeSandCoefficient", With(kTwoLayers, 10, "0.4 1e38"), 10, "LAYER 1",
                    "SKIN FRICTION COEFFICIENT BETA = 1E+38 IS ABOVE 1000"},
        RefusedCase{"HugeNegativeAlpha", With(kTwoLayers, 14, "0.5 -1e38"), 14, "LAYER 2, ALPHA",
                    "ALPHA FACTOR = -1E+38 IS BELOW -1000, THE LOWEST FACTOR"},
        RefusedCase{"HugeFixedEndBearing", With(kTwoLayers, 13, "8 122 0.0 2500 5 0 -1e13 0.5 0.35"), 13,
                    "LAYER 2", "MAXIMUM END BEARING = -1E+13 IS BELOW -1E+12"},
        RefusedCase{"HugeLrfdFactor", With(kTwoLayers, 7, "0.0 115 30 28 10 500 40000 0.55 5000"), 7, "LAYER 1",
                    "LRFD RESISTANCE FACTOR (TIP RESISTANCE) = 5000 IS ABOVE 1000"},
        RefusedCase{"NegativeChartSettlement", WithChart("0 0 0 2", "0.5 -1"), 7, "SETTLEMENTS",
                    "ITEM 2, CHART SETTLEMENT = -1 IS NEGATIVE"},
        RefusedCase{"RqdAboveAHundred",
                    WithLayerLine(kStrongRock, 1, "200000 580000 2 0.01 3 0 1000000 120 0 1 1"), 7, "LAYER 1",
                    "RQD = 120 IS ABOVE 100, THE LARGEST PERCENTAGE"},
        RefusedCase{"NegativeDiscontinuitySpacing",
                    WithLayerLine(kStrongRock, 2, "220000 580000 -2 0.01 3 0 1100000 85 0 1 1"), 8,
                    "LAYER 1, VALUES AT THE BOTTOM", "DISCONTINUITY SPACING = -2 IS NEGATIVE"},
        RefusedCase{"NegativeSocketDiameter",
                    WithLayerLine(kWeakRock, 2, "50000 1 7 30 -3.5 8000 500000 60 0 0.5 0.5"), 8, "LAYER 1",
                    "ITEM 5, SOCKET DIAMETER = -3.5 IS NEGATIVE"},
        RefusedCase{"NegativeSlump", WithLayerLine(kWeakRock, 1, "50000 1 -7 30 3.5 8000 500000 60 0 0.5 0.5"), 7,
                    "LAYER 1", "CONCRETE SLUMP = -7 IS NEGATIVE"},
        RefusedCase{"NegativeGravelModulus",
                    WithLayerLine(kDecomposedRock, 1, "20 40 0.3 -150000 1.0 0 0 0.6 0.55"), 7, "LAYER 1",
                    "YOUNG'S MODULUS = -150000 IS NEGATIVE"}),
    [](const auto& info) { return std::string(info.param.name); });

// Values that the rules give a meaning, and the bounds themselves: read and kept as written.
struct KeptCase {
  const char* name;
  Lines lines;
  std::function<float(const ProblemRecord&)> value;
  float expected;
};

class KeptValue : public ::testing::TestWithParam<KeptCase> {};

TEST_P(KeptValue, IsReadAsWritten) {
  const KeptCase& c = GetParam();
  EXPECT_FLOAT_EQ(c.value(Read(Join(c.lines))), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, KeptValue,
    ::testing::Values(
        KeptCase{"NegativeEndBearingIsAFixedBearing", kTwoLayers,
                 [](const ProblemRecord& p) { return p.layer[3].QMAX.bot; }, -30000.0f},
        KeptCase{"NegativeSideFrictionLimit", With(kTwoLayers, 7, "0.0 115 30 28 10 -500 40000 0.55 0.5"),
                 [](const ProblemRecord& p) { return p.layer[2].TRANLM.top; }, -500.0f},
        KeptCase{"NegativeInterfaceAnglesTakeTheFrictionAngle",
                 With(With(kTwoLayers, 7, "0.0 115 30 -5 10 500 40000 0.55 0.5"), 8,
                      "0.0 118 32 -5 14 500 40000 0.6 0.45"),
                 [](const ProblemRecord& p) { return p.layer[2].IANG.bot; }, 32.0f},
        KeptCase{"NegativeFrictionAngle", With(kTwoLayers, 7, "0.0 115 -1 28 10 500 40000 0.55 0.5"),
                 [](const ProblemRecord& p) { return p.layer[2].PHI.top; }, -1.0f},
        KeptCase{"ZeroFrictionAngle", With(kTwoLayers, 7, "0.0 115 0 28 10 500 40000 0.55 0.5"),
                 [](const ProblemRecord& p) { return p.layer[2].PHI.top; }, 0.0f},
        KeptCase{"ZeroAlpha", With(kTwoLayers, 14, "0 0"),
                 [](const ProblemRecord& p) { return p.layer[3].ALPHA.bot; }, 0.0f},
        KeptCase{"NegativeBellRatio", With(kTwoLayers, 4, "3 4 -2 30 1 1.5 3600000"),
                 [](const ProblemRecord& p) { return p.RATIO; }, -2.0f},
        KeptCase{"NegativeOutputIncrement", With(kTwoLayers, 3, "2 1 1 -1 1 2 0 0 0 0 0"),
                 [](const ProblemRecord& p) { return p.PINC; }, -1.0f},
        KeptCase{"NegativeDesignLoad", With(With(kTwoLayers, 3, "1 1 1 1 1 2 0 0 0 0 0"), 5, "2 8 -100 2.5 3"),
                 [](const ProblemRecord& p) { return p.P; }, -100.0f},
        KeptCase{"ZeroSafetyFactor", With(kTwoLayers, 5, "2 8 40 0 3"),
                 [](const ProblemRecord& p) { return p.FST; }, 0.0f},
        KeptCase{"ZeroSocketDiameter", WithLayerLine(kWeakRock, 1, "50000 1 7 30 0 8000 500000 60 0 0.5 0.5"),
                 [](const ProblemRecord& p) { return p.layer[2].BDS.top; }, 0.0f},
        KeptCase{"LargestLength", With(kTwoLayers, 5, "2 100000 40 2.5 3"),
                 [](const ProblemRecord& p) { return p.WTD; }, 1e5f},
        KeptCase{"LargestUnitWeight", With(kTwoLayers, 7, "0.0 10000 30 28 10 500 40000 0.55 0.5"),
                 [](const ProblemRecord& p) { return p.layer[2].GAMMA.top; }, 1e4f},
        KeptCase{"WholeRqd", WithLayerLine(kStrongRock, 1, "200000 580000 2 0.01 3 0 1000000 100 0 1 1"),
                 [](const ProblemRecord& p) { return p.layer[2].RQD.top; }, 100.0f},
        KeptCase{"LargestShaftModulus", With(kTwoLayers, 4, "3 4 2.5 30 1 1.5 1e12"),
                 [](const ProblemRecord& p) { return p.Ec; }, 1e12f},
        KeptCase{"SideFrictionLimitAboveEveryStress",
                 With(kTwoLayers, 7, "0.0 115 30 28 10 1e30 40000 0.55 0.5"),
                 [](const ProblemRecord& p) { return p.layer[2].TRANLM.top; }, 1e30f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputReader, MessageShowsOnlyPrintableCharactersOfABadWord) {
  ProblemRecord p;
  InputError e;
  const std::string bad = std::string("3 4 2.5 \x01\xff") + std::string(40, 'x') + " 1 1.5 3600000";
  EXPECT_FALSE(ReadProblemText(Join(With(kTwoLayers, 4, bad)), p, e));
  EXPECT_NE(e.problem.find("\"??xxxxxxxxxxxxxxxxxx...\""), std::string::npos) << e.problem;
}

}  // namespace
}  // namespace tvx
