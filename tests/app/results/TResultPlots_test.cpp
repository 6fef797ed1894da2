#include "TResultPlots.h"

#include <gtest/gtest.h>

#include <ostream>

#include <memory>
#include <stdexcept>

namespace {

using Id = TResultPlots::Id;

struct InstanceCase {
  const char* name;
  Id id;
  const char* caption;
  const char* xCaption;
  const char* xUnits;
  bool xOnTop;
  const char* yCaption;
  const char* yUnits;
};

std::ostream& operator<<(std::ostream& os, const InstanceCase& c) { return os << c.name; }

class ResultPlotInstanceTest : public ::testing::TestWithParam<InstanceCase> {
 protected:
  static const TResultPlots& Results() {
    static const TResultPlots results;
    return results;
  }
};

TEST_P(ResultPlotInstanceTest, FixedTextsAndOrientation) {
  const InstanceCase& c = GetParam();
  const TGraphPlot& plot = Results().Plot(c.id);
  EXPECT_EQ(plot.Caption().toStdString(), c.caption);
  EXPECT_EQ(plot.XCaption().toStdString(), c.xCaption);
  EXPECT_EQ(plot.XUnits().toStdString(), c.xUnits);
  EXPECT_EQ(plot.XOnTop(), c.xOnTop);
  EXPECT_EQ(plot.YCaption().toStdString(), c.yCaption);
  EXPECT_EQ(plot.YUnits().toStdString(), c.yUnits);
}

TEST_P(ResultPlotInstanceTest, OtherPropertiesAtDefaults) {
  const TGraphPlot& plot = Results().Plot(GetParam().id);
  EXPECT_EQ(plot.CurveName(), QStringLiteral("Curve #"));
  EXPECT_EQ(plot.Units(), 1);
  EXPECT_EQ(plot.LineCount(), 0);
  EXPECT_EQ(plot.LayerLineCount(), 0);
  EXPECT_TRUE(plot.ShowLegend());
  EXPECT_FALSE(plot.ShowLayers());
  EXPECT_TRUE(plot.ShowFontWidth());
  EXPECT_TRUE(plot.LimitActive());
  EXPECT_FALSE(plot.Yreversed());
  EXPECT_EQ(plot.UserCaption(), QString());
  EXPECT_FALSE(plot.FormExists());
}

INSTANTIATE_TEST_SUITE_P(
    Instances, ResultPlotInstanceTest,
    ::testing::Values(
        InstanceCase{"pltSkin", Id::pltSkin, "Ultimate Skin Friction vs Depth",
                     "Ultimate Skin Friction ", "F2", true, "Depth ", "L2"},
        InstanceCase{"pltTip", Id::pltTip, "Ultimate Tip Resistance vs Depth",
                     "Ultimate Tip Resistance ", "F2", true, "Depth ", "L2"},
        InstanceCase{"pltTotal", Id::pltTotal, "Ultimate Total Capacity vs Depth",
                     "Ultimate Total Capacity ", "F2", true, "Depth ", "L2"},
        InstanceCase{"pltAxial", Id::pltAxial, "Axial Load vs Settlement (averaged)",
                     "Axial Load ", "F2", true, "Settlement ", "L"},
        InstanceCase{"pltLoad", Id::pltLoad, "Load Distribution", "Total Capacity ", "F2", true,
                     "Depth ", "L2"},
        InstanceCase{"pltCombine", Id::pltCombine, "Combined Plots vs Depth (ultimate)",
                     "Ultimate Axial Capacity", "F2", true, "Depth", "L2"},
        InstanceCase{"pltCombineD", Id::pltCombineD, "Combined Plots vs Depth (ASD/LRFD)",
                     "Axial Capacity w/F. S.", "F2", true, "Depth", "L2"},
        InstanceCase{"FSpltSkin", Id::FSpltSkin, "ASD/LRFD Skin Friction vs Depth ",
                     "Skin Friction w/F.S.", "F2", true, "Depth", "L2"},
        InstanceCase{"FSpltTip", Id::FSpltTip, "ASD/LRFD Tip Resistance vs Depth ",
                     "Tip Resistance w/F.S.", "F2", true, "Depth", "L2"},
        InstanceCase{"FSpltTotal", Id::FSpltTotal, "ASD/LRFD Total Capacity vs Depth",
                     "Total Capacity w/F.S.", "F2", true, "Depth", "L2"},
        InstanceCase{"pltUpper", Id::pltUpper, "Axial Load vs Settlement (upper bound)",
                     "Axial Load (upper bound)", "F2", true, "Settlement", "L"},
        InstanceCase{"pltLower", Id::pltLower, "Axial Load vs Settlement (lower bound)",
                     "Axial Load (lower bound)", "F2", true, "Settlement", "L"},
        InstanceCase{"pltCombinedSettle", Id::pltCombinedSettle,
                     "Combined Plots of Load vs Settlement", "Axial Load", "F2", true,
                     "Settlement", "L"},
        InstanceCase{"PltChart1", Id::PltChart1, "Design Chart 1", "Axial Capacity", "F2", true,
                     "Depth", "L2"},
        InstanceCase{"PltChart2", Id::PltChart2, "Design Chart 2", "Axial Capacity", "F2", true,
                     "Depth", "L2"},
        InstanceCase{"PltChart3", Id::PltChart3, "Design Chart 3", "Axial Capacity", "F2", true,
                     "Depth", "L2"},
        InstanceCase{"PltChart4", Id::PltChart4, "Design Chart 4", "Axial Capacity", "F2", true,
                     "Depth", "L2"},
        InstanceCase{"PltChart5", Id::PltChart5, "Design Chart 5", "Axial Capacity", "F2", true,
                     "Depth", "L2"},
        InstanceCase{"PltChart6", Id::PltChart6, "Design Chart 6", "Axial Capacity", "F2", true,
                     "Depth", "L2"},
        InstanceCase{"PltChart7", Id::PltChart7, "Design Chart 7", "Axial Capacity", "F2", true,
                     "Depth", "L2"},
        InstanceCase{"PltChart8", Id::PltChart8, "Design Chart 8", "Axial Capacity", "F2", true,
                     "Depth", "L2"},
        InstanceCase{"PltChart9", Id::PltChart9, "Design Chart 9", "Axial Capacity", "F2", true,
                     "Depth", "L2"},
        InstanceCase{"PltChart10", Id::PltChart10, "Design Chart  10", "Axial Capacity", "F2",
                     true, "Depth", "L2"},
        InstanceCase{"pltQw", Id::pltQw, "Q-w curves (averaged)", "Tip Displacement, w", "L",
                     false, "Tip Load, Q", "F2"},
        InstanceCase{"pltTz", Id::pltTz, "t-z curves (averaged)", "Axial Displacement, z", "L",
                     false, "Unit Load Transfer, t", "F/L^2"},
        InstanceCase{"pltTzAdd", Id::pltTzAdd, "Additional t-z curves (averaged)",
                     "Axial Displacement, z", "L", false, "Unit Load Transfer, t", "F/L^2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TResultPlots, NamedAccessors_ReachTheirPlots) {
  TResultPlots results;
  const struct {
    TGraphPlot& plot;
    Id id;
  } cases[] = {
      {results.pltSkin(), Id::pltSkin},
      {results.pltTip(), Id::pltTip},
      {results.pltTotal(), Id::pltTotal},
      {results.pltAxial(), Id::pltAxial},
      {results.pltLoad(), Id::pltLoad},
      {results.pltCombine(), Id::pltCombine},
      {results.pltCombineD(), Id::pltCombineD},
      {results.FSpltSkin(), Id::FSpltSkin},
      {results.FSpltTip(), Id::FSpltTip},
      {results.FSpltTotal(), Id::FSpltTotal},
      {results.pltUpper(), Id::pltUpper},
      {results.pltLower(), Id::pltLower},
      {results.pltCombinedSettle(), Id::pltCombinedSettle},
      {results.pltQw(), Id::pltQw},
      {results.pltTz(), Id::pltTz},
      {results.pltTzAdd(), Id::pltTzAdd},
      {results.PltChart(1), Id::PltChart1},
      {results.PltChart(5), Id::PltChart5},
      {results.PltChart(10), Id::PltChart10},
  };
  for (const auto& c : cases)
    EXPECT_EQ(&c.plot, &results.Plot(c.id)) << static_cast<int>(c.id);
}

TEST(TResultPlots, AllPlots_AreDistinctObjectsInIdOrder) {
  TResultPlots results;
  auto plots = results.Plots();
  ASSERT_EQ(plots.size(), 26u);
  for (int i = 0; i < TResultPlots::kPlotCount; ++i)
    EXPECT_EQ(&plots[static_cast<std::size_t>(i)], &results.Plot(static_cast<Id>(i)));
}

TEST(TResultPlots, ChartOutsideOneToTen_Throws) {
  TResultPlots results;
  for (int n : {0, -1, 11, 100}) EXPECT_THROW(results.PltChart(n), std::out_of_range) << n;
}

TEST(TResultPlots, SetUnits_ReachesEveryPlotAndClamps) {
  TResultPlots results;
  results.SetUnits(2);
  for (const TGraphPlot& plot : results.Plots()) EXPECT_EQ(plot.Units(), 2);
  results.SetUnits(7);
  for (const TGraphPlot& plot : results.Plots()) EXPECT_EQ(plot.Units(), 3);
  EXPECT_EQ(results.pltSkin().XAxisTitle(), QStringLiteral("Ultimate Skin Friction  (F2)"));
}

TEST(TResultPlots, SIUnits_TitlesOfTheTzPlot) {
  TResultPlots results;
  results.SetUnits(2);
  EXPECT_EQ(results.pltTz().XAxisTitle(), QStringLiteral("Axial Displacement, z (m)"));
  EXPECT_EQ(results.pltTz().YAxisTitle(), QStringLiteral("Unit Load Transfer, t (kN/m^2)"));
}

class CountingForm : public TPlotFormHandle {
 public:
  explicit CountingForm(int& presented) : fPresented(presented) {}
  void Present() override { ++fPresented; }

 private:
  int& fPresented;
};

TEST(TResultPlots, SetFormFactory_ShowOpensOnlyThatPlotsWindow) {
  int presented = 0;
  const TGraphPlot* madeFor = nullptr;
  TResultPlots results;
  results.SetFormFactory([&](TGraphPlot& plot) -> std::unique_ptr<TPlotFormHandle> {
    madeFor = &plot;
    return std::make_unique<CountingForm>(presented);
  });
  results.PltChart(3).Show();
  EXPECT_EQ(madeFor, &results.PltChart(3));
  EXPECT_EQ(presented, 1);
  for (const TGraphPlot& plot : results.Plots())
    EXPECT_EQ(plot.FormExists(), &plot == &results.PltChart(3));
  results.pltQw().Show();
  EXPECT_EQ(madeFor, &results.pltQw());
  EXPECT_TRUE(results.PltChart(3).FormExists());
}

}  // namespace
