#include "TGraphPlot.h"

#include <gtest/gtest.h>

#include <ostream>

#include <stdexcept>

namespace {

TEST(TGraphPlot, NewPlot_HasDocumentedDefaults) {
  const TGraphPlot plot;
  EXPECT_EQ(plot.Caption(), QString());
  EXPECT_EQ(plot.XCaption(), QString());
  EXPECT_EQ(plot.YCaption(), QString());
  EXPECT_EQ(plot.XUnits(), QString());
  EXPECT_EQ(plot.YUnits(), QString());
  EXPECT_EQ(plot.CurveName(), QStringLiteral("Curve #"));
  EXPECT_FALSE(plot.FormExists());
  EXPECT_EQ(plot.Form(), nullptr);
  EXPECT_TRUE(plot.XOnTop());
  EXPECT_TRUE(plot.LimitActive());
  EXPECT_EQ(plot.LineCount(), 0);
  EXPECT_EQ(plot.LayerLineCount(), 0);
  EXPECT_EQ(plot.Count(), 0);
  EXPECT_EQ(plot.LayerCount(), 0);
  EXPECT_TRUE(plot.ShowFontWidth());
  EXPECT_TRUE(plot.ShowLegend());
  EXPECT_FALSE(plot.ShowLayers());
  EXPECT_EQ(plot.SizeFont(), 10);
  EXPECT_EQ(plot.LegendFont(), 11);
  EXPECT_EQ(plot.WidthLine(), 1);
  EXPECT_EQ(plot.Markers(), 1);
  EXPECT_EQ(plot.Units(), 1);
  EXPECT_EQ(plot.UserCaption(), QString());
  EXPECT_FALSE(plot.UserCaptionOnTop());
  EXPECT_EQ(plot.LayersTop(), 0);
  EXPECT_FALSE(plot.Yreversed());
  EXPECT_FALSE(plot.HasSomethingToDraw());
}

struct UnitsCase {
  int set;
  int expected;
};

std::ostream& operator<<(std::ostream& os, const UnitsCase& c) { return os << "set " << c.set; }

class PlotUnitsTest : public ::testing::TestWithParam<UnitsCase> {};

TEST_P(PlotUnitsTest, StaysWithinEnglishToCodes) {
  TGraphPlot plot;
  plot.SetUnits(2);
  plot.SetUnits(GetParam().set);
  EXPECT_EQ(plot.Units(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, PlotUnitsTest,
                         ::testing::Values(UnitsCase{-5, 1}, UnitsCase{0, 1}, UnitsCase{1, 1},
                                           UnitsCase{2, 2}, UnitsCase{3, 3}, UnitsCase{4, 3},
                                           UnitsCase{1000, 3}));

// Data lines and soil-layer lines are sized the same way: one table drives both lists.
struct LineList {
  const char* name;
  int (TGraphPlot::*lineCount)() const;
  void (TGraphPlot::*setLineCount)(int);
  int (TGraphPlot::*count)() const;
  void (TGraphPlot::*setCount)(int);
  TLine& (TGraphPlot::*lines)(int);
};

std::ostream& operator<<(std::ostream& os, const LineList& l) { return os << l.name << " lines"; }

const LineList kDataLines{"data", &TGraphPlot::LineCount, &TGraphPlot::SetLineCount,
                          &TGraphPlot::Count, &TGraphPlot::SetCount, &TGraphPlot::Lines};
const LineList kLayerLines{"layer", &TGraphPlot::LayerLineCount, &TGraphPlot::SetLayerLineCount,
                           &TGraphPlot::LayerCount, &TGraphPlot::SetLayerCount,
                           &TGraphPlot::LayerLines};

class PlotLineListTest : public ::testing::TestWithParam<LineList> {
 protected:
  int LineCount() const { return (plot.*GetParam().lineCount)(); }
  void SetLineCount(int n) { (plot.*GetParam().setLineCount)(n); }
  int Count() const { return (plot.*GetParam().count)(); }
  void SetCount(int n) { (plot.*GetParam().setCount)(n); }
  TLine& Line(int i) { return (plot.*GetParam().lines)(i); }

  TGraphPlot plot;
};

TEST_P(PlotLineListTest, NegativeLineCount_EmptiesList) {
  SetLineCount(4);
  SetCount(6);
  SetLineCount(-5);
  EXPECT_EQ(LineCount(), 0);
  EXPECT_EQ(Count(), 0);
}

TEST_P(PlotLineListTest, CountOfEmptyList_IsZeroAndSettingItDoesNothing) {
  SetCount(8);
  EXPECT_EQ(Count(), 0);
  SetLineCount(2);
  EXPECT_EQ(Line(0).Count(), 0);
  EXPECT_EQ(Line(1).Count(), 0);
}

TEST_P(PlotLineListTest, SettingCount_ResizesEveryLine) {
  SetLineCount(3);
  Line(1).SetCount(9);  // lines may drift apart; setting Count brings them back together
  Line(2).SetCount(1);
  SetCount(4);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Line(i).Count(), 4) << "line " << i;
  EXPECT_EQ(Count(), 4);
  SetCount(-2);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Line(i).Count(), 0) << "line " << i;
}

TEST_P(PlotLineListTest, Count_IsPointCountOfFirstLine) {
  SetLineCount(2);
  Line(0).SetCount(5);
  Line(1).SetCount(7);
  EXPECT_EQ(Count(), 5);
}

TEST_P(PlotLineListTest, GrowingAfterCount_NewLinesGetCountZeroPointsAndPositionNames) {
  SetLineCount(2);
  SetCount(3);
  Line(0).Point(2) = {5, 6};
  SetLineCount(5);
  ASSERT_EQ(LineCount(), 5);
  for (int i = 2; i < 5; ++i) {
    TLine& line = Line(i);
    ASSERT_EQ(line.Count(), 3) << "line " << i;
    for (int j = 0; j < 3; ++j) EXPECT_EQ(line.Point(j), (TFloatPoint{0, 0}));
    EXPECT_EQ(line.Value(), i + 1);
    EXPECT_EQ(line.LineName(), QStringLiteral("Curve #%1").arg(i + 1));
    EXPECT_TRUE(line.Visible());
    EXPECT_TRUE(line.Active());
  }
  EXPECT_EQ(Line(0).Point(2), (TFloatPoint{5, 6}));
}

TEST_P(PlotLineListTest, Shrinking_DropsLinesFromEndAndKeepsTheFirst) {
  SetLineCount(4);
  SetCount(2);
  TLine* first = &Line(0);
  Line(0).SetLineName(QStringLiteral("first"));
  Line(0).Point(1) = {1.5L, 2.5L};
  Line(1).SetVisible(false);
  SetLineCount(2);
  ASSERT_EQ(LineCount(), 2);
  EXPECT_EQ(&Line(0), first);
  EXPECT_EQ(Line(0).LineName(), QStringLiteral("first"));
  EXPECT_EQ(Line(0).Point(1), (TFloatPoint{1.5L, 2.5L}));
  EXPECT_FALSE(Line(1).Visible());
  EXPECT_THROW(Line(2), std::out_of_range);
}

TEST_P(PlotLineListTest, RegrowingAfterClearing_GivesFreshLines) {
  SetLineCount(2);
  SetCount(5);
  Line(1).SetLineName(QStringLiteral("old"));
  Line(1).SetVisible(false);
  Line(1).SetActive(false);
  Line(1).SetValue(40);
  SetLineCount(0);
  SetLineCount(2);
  EXPECT_EQ(Count(), 0);
  EXPECT_EQ(Line(1).LineName(), QStringLiteral("Curve #2"));
  EXPECT_TRUE(Line(1).Visible());
  EXPECT_TRUE(Line(1).Active());
}

TEST_P(PlotLineListTest, LineOutsideList_Throws) {
  EXPECT_THROW(Line(0), std::out_of_range);
  SetLineCount(3);
  EXPECT_NO_THROW(Line(2));
  EXPECT_THROW(Line(3), std::out_of_range);
  EXPECT_THROW(Line(-1), std::out_of_range);
}

INSTANTIATE_TEST_SUITE_P(Lists, PlotLineListTest, ::testing::Values(kDataLines, kLayerLines),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TGraphPlot, LayerLines_AreIndependentOfDataLines) {
  TGraphPlot plot;
  plot.SetLineCount(3);
  plot.SetCount(16);
  plot.SetLayerLineCount(4);
  plot.SetLayerCount(1);
  EXPECT_EQ(plot.LineCount(), 3);
  EXPECT_EQ(plot.Count(), 16);
  EXPECT_EQ(plot.LayerLineCount(), 4);
  EXPECT_EQ(plot.LayerCount(), 1);
  EXPECT_EQ(plot.LayerLines(3).LineName(), QStringLiteral("Curve #4"));

  plot.SetLineCount(0);
  EXPECT_EQ(plot.LayerLineCount(), 4);
  EXPECT_FALSE(plot.HasSomethingToDraw());
  plot.SetLayerLineCount(0);
  EXPECT_EQ(plot.LineCount(), 0);
}

TEST(TGraphPlot, SoilLayerStrip_HoldsFillCodeBottomAndLabel) {
  TGraphPlot plot;
  plot.SetLineCount(1);
  plot.SetCount(2);
  plot.SetLayerLineCount(2);
  plot.SetLayerCount(1);
  plot.SetLayersTop(100);
  const struct {
    const char* label;
    long double fill;
    long double bottom;
  } layers[] = {{" SAND ", 7, 87.5L}, {" CLAY ", 1, 60}};
  for (int i = 0; i < 2; ++i) {
    plot.LayerLines(i).SetLineName(QString::fromLatin1(layers[i].label));
    plot.LayerData(i, 0) = {layers[i].fill, layers[i].bottom};
  }
  EXPECT_EQ(plot.LayersTop(), 100);
  EXPECT_EQ(plot.LayerLines(0).LineName(), QStringLiteral(" SAND "));
  EXPECT_EQ(plot.LayerData(1, 0), (TFloatPoint{1, 60}));
  EXPECT_EQ(plot.LayerLines(1).Point(0), (TFloatPoint{1, 60}));
  EXPECT_THROW(plot.LayerData(1, 1), std::out_of_range);
  EXPECT_EQ(plot.Count(), 2);  // data lines untouched
}

TEST(TGraphPlot, DataAccess_ReachesSamePointAsLine) {
  TGraphPlot plot;
  plot.SetLineCount(2);
  plot.SetCount(3);
  plot.Data(1, 2) = {4.25L, -12.5L};
  EXPECT_EQ(plot.Lines(1).Point(2), (TFloatPoint{4.25L, -12.5L}));
  EXPECT_THROW(plot.Data(2, 0), std::out_of_range);
  EXPECT_THROW(plot.Data(1, 3), std::out_of_range);
  EXPECT_TRUE(plot.HasSomethingToDraw());
}

TEST(TGraphPlot, PlotWithLinesButNoPoints_HasSomethingToDraw) {
  TGraphPlot plot;
  plot.SetLineCount(1);
  EXPECT_TRUE(plot.HasSomethingToDraw());
}

struct TitleCase {
  const char* caption;
  const char* units;
  int unitSystem;
  const char* expected;
};

std::ostream& operator<<(std::ostream& os, const TitleCase& c) { return os << '"' << c.expected << '"'; }

class AxisTitleTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(AxisTitleTest, CaptionWithUnitWordsInParentheses) {
  TGraphPlot plot;
  plot.SetUnits(GetParam().unitSystem);
  plot.SetXCaption(QString::fromLatin1(GetParam().caption));
  plot.SetXUnits(QString::fromLatin1(GetParam().units));
  plot.SetYCaption(QString::fromLatin1(GetParam().caption));
  plot.SetYUnits(QString::fromLatin1(GetParam().units));
  EXPECT_EQ(plot.XAxisTitle().toStdString(), GetParam().expected);
  EXPECT_EQ(plot.YAxisTitle().toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, AxisTitleTest,
    ::testing::Values(
        TitleCase{"Ultimate Skin Friction ", "F2", 1, "Ultimate Skin Friction  (tons)"},
        TitleCase{"Depth", "L2", 2, "Depth (m)"},
        TitleCase{"Unit Load Transfer, t", "F/L^2", 1, "Unit Load Transfer, t (lbs/in^2)"},
        TitleCase{"Unit Load Transfer, t", "F/L^2", 3, "Unit Load Transfer, t (F/L^2)"},
        TitleCase{"Self-Weight", "", 1, "Self-Weight"}));

TEST(TGraphPlot, ResetActiveLines_MoreThanLimit_LaterLinesInactive) {
  TGraphPlot plot;
  plot.SetLineCount(25);
  plot.Lines(3).SetActive(false);
  plot.Lines(22).SetVisible(false);
  plot.ResetActiveLines();
  for (int i = 0; i < 25; ++i)
    EXPECT_EQ(plot.Lines(i).Active(), i < 20) << "line " << i;
  EXPECT_FALSE(plot.Lines(22).Visible());  // visibility is the user's and stays
}

TEST(TGraphPlot, ResetActiveLines_AtLimitOrWithoutLimit_AllActive) {
  TGraphPlot plot;
  plot.SetLineCount(20);
  plot.Lines(19).SetActive(false);
  plot.ResetActiveLines();
  EXPECT_TRUE(plot.Lines(19).Active());

  plot.SetLineCount(25);
  plot.SetLimitActive(false);
  plot.Lines(24).SetActive(false);
  plot.ResetActiveLines();
  for (int i = 0; i < 25; ++i) EXPECT_TRUE(plot.Lines(i).Active()) << "line " << i;
}

}  // namespace
