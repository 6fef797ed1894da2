#include "DocumentSettings.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "PlotDataFiles.h"
#include "TProgramData.h"
#include "TResultsLoader.h"
#include "TSoilProfileTables.h"

namespace {

QString ExampleFile(const char* name) {
  return QStringLiteral(TORVEX_SOURCE_DIR "/examples/") + QString::fromLatin1(name);
}

struct DocumentCase {
  const char* example;
  int units, nlrfd, kcycl, ipent, ichart, printTz, npointpd;
  long double dstart, diamincr, fst, fsb, firstSettlement;
  std::vector<TSoilLayerRow> layers;
};

std::ostream& operator<<(std::ostream& os, const DocumentCase& c) { return os << c.example; }

class DocumentSettingsTest : public ::testing::TestWithParam<DocumentCase> {};

TEST_P(DocumentSettingsTest, TakesTheLoadingSettingsAndLayersFromTheDocument) {
  const DocumentCase& c = GetParam();
  TSoilProfileTables tables;
  TReadOutcome outcome;
  auto doc = TProgramData::CreateFromFile(ExampleFile(c.example), TProgramData::kFilterCurrent,
                                          tables, &outcome);
  ASSERT_TRUE(outcome.Complete) << outcome.Messages.join(QLatin1Char('\n')).toStdString();
  doc->ID2 = 7;
  const TPlotReadSettings s = SettingsFrom(*doc);
  EXPECT_EQ(s.Units, c.units);
  EXPECT_EQ(s.NLRFD, c.nlrfd);
  EXPECT_EQ(s.KCYCL, c.kcycl);
  EXPECT_EQ(s.IPENT, c.ipent);
  EXPECT_EQ(s.IChart, c.ichart);
  EXPECT_EQ(s.PrintTZCurves, c.printTz);
  EXPECT_EQ(s.NPOINTPD, c.npointpd);
  EXPECT_EQ(s.UseElevation, 0);
  EXPECT_TRUE(s.Yesnewversion);
  EXPECT_DOUBLE_EQ(static_cast<double>(s.DSTART), static_cast<double>(c.dstart));
  EXPECT_DOUBLE_EQ(static_cast<double>(s.DIAMINCR), static_cast<double>(c.diamincr));
  EXPECT_DOUBLE_EQ(static_cast<double>(s.FST), static_cast<double>(c.fst));
  EXPECT_DOUBLE_EQ(static_cast<double>(s.FSB), static_cast<double>(c.fsb));
  EXPECT_DOUBLE_EQ(static_cast<double>(s.PDSETT[0]), static_cast<double>(c.firstSettlement));
  EXPECT_EQ(s.ID2, 7);

  const std::vector<TSoilLayerRow> layers = SoilLayersFrom(tables);
  ASSERT_EQ(layers.size(), c.layers.size());
  for (std::size_t k = 0; k < layers.size(); ++k) {
    EXPECT_EQ(layers[k].SoilType, c.layers[k].SoilType) << k;
    EXPECT_DOUBLE_EQ(static_cast<double>(layers[k].Bottom), static_cast<double>(c.layers[k].Bottom)) << k;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DocumentSettingsTest,
    ::testing::Values(
        DocumentCase{"sand-over-clay.tv8d", 1, 2, 1, 0, 0, 0, 0, 3, 0, 2.5, 3, 0.1L,
                     {{1, 20}, {2, 60}}},
        DocumentCase{"rock-sockets-uplift.tv8d", 1, 2, 2, 1, 0, 0, 0, 3, 0, 2, 2.5, 0.1L,
                     {{2, 12}, {5, 20}, {6, 35}, {7, 60}}},
        DocumentCase{"si-layered-lrfd-charts.tv8d", 2, 1, 1, 0, 1, 1, 3, 0.9L, 0.15L, 2.5, 3,
                     0.0127L, {{1, 3}, {2, 9.5L}, {8, 14}, {3, 20}}}),
    [](const auto& info) {
      std::string name = info.param.example;
      name = name.substr(0, name.find('.'));
      for (char& ch : name)
        if (ch == '-') ch = '_';
      return name;
    });

TEST(DocumentSettings, ResultsOfARunLoadThroughTheDocumentAndGiveItsID2Back) {
  TSoilProfileTables tables;
  auto doc = TProgramData::CreateFromFile(ExampleFile("rock-sockets-uplift.tv8d"),
                                          TProgramData::kFilterCurrent, tables);
  doc->UseElevation = 1;
  doc->ValElevation = 100;
  TPlotReadSettings settings = SettingsFrom(*doc);
  TResultPlots plots;
  TResultsLoader loader(plots, settings, SoilLayersFrom(tables));
  const QByteArray text = results_test::EnginePlotData("rock-sockets-uplift.tv8d");
  ASSERT_EQ(loader.ReadPlotDataFrom(text, 1), 1);
  // The document's ID2 is set by the file: every tip of this run is in rock, so the file
  // holds the trend curves alone.
  doc->ID2 = 3;
  StoreLoadedID2(settings, *doc);
  EXPECT_EQ(doc->ID2, 0);
  EXPECT_EQ(plots.pltSkin().Lines(0).LineName(), QStringLiteral("L =60 ft"));
  EXPECT_EQ(plots.FSpltTip().XCaption(), QStringLiteral("Self-Weight"));
  ASSERT_EQ(plots.pltSkin().LayerLineCount(), 4);
  EXPECT_EQ(plots.pltSkin().LayerLines(3).LineName(), QStringLiteral(" ROCK "));
  EXPECT_EQ(plots.pltSkin().LayerData(3, 0), (TFloatPoint{9, 40}));
}

}  // namespace
