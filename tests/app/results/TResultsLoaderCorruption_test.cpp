// Plot-data files cut short or damaged anywhere: loading ends with 0 or 1 and never
// crashes, loops or allocates beyond the file.
#include <gtest/gtest.h>

#include <QByteArray>
#include <string>

#include "PlotDataFiles.h"
#include "TMessageCapture.h"
#include "TResultsLoader.h"

namespace {

using results_test::EnginePlotData;

struct CorruptionCase {
  const char* name;
  const char* example;
  TPlotReadSettings doc;
};

TPlotReadSettings WithTzDepths() {
  TPlotReadSettings d;
  d.Units = 2;
  d.NLRFD = 1;
  d.PrintTZCurves = 1;
  return d;
}

TPlotReadSettings ByLengthWithCharts() {
  TPlotReadSettings d;
  d.IPENT = 1;
  d.KCYCL = 2;
  d.IChart = 1;
  d.NPOINTPD = 3;
  return d;
}

TPlotReadSettings OlderDocument() {
  TPlotReadSettings d;
  d.Yesnewversion = false;
  return d;
}

std::ostream& operator<<(std::ostream& os, const CorruptionCase& c) { return os << c.name; }

int Load(const CorruptionCase& c, const QByteArray& text) {
  TResultPlots plots;
  TPlotReadSettings doc = c.doc;
  TResultsLoader loader(plots, doc, {{1, 20}, {2, 60}, {11, 70}});
  return loader.ReadPlotDataFrom(text, 1);
}

class CorruptedPlotDataTest : public ::testing::TestWithParam<CorruptionCase> {};

TEST_P(CorruptedPlotDataTest, TruncatedAnywhereLoadsOrFails) {
  const QByteArray text = EnginePlotData(GetParam().example);
  TMessageCapture messages;
  const qsizetype step = std::max<qsizetype>(1, text.size() / 400);
  for (qsizetype cut = 0; cut < text.size(); cut += step) {
    const int result = Load(GetParam(), text.left(cut));
    EXPECT_TRUE(result == 0 || result == 1) << "cut at " << cut;
  }
}

TEST_P(CorruptedPlotDataTest, DamagedBytesLoadOrFail) {
  const QByteArray text = EnginePlotData(GetParam().example);
  TMessageCapture messages;
  // Digits that turn counts huge or negative, signs, exponents, letters and line breaks.
  const char replacements[] = {'9', '-', 'E', 'x', '\n', ' ', '0', '.'};
  const qsizetype step = std::max<qsizetype>(1, text.size() / 250);
  int k = 0;
  for (qsizetype at = 0; at < text.size(); at += step, ++k) {
    QByteArray damaged = text;
    damaged[at] = replacements[k % std::size(replacements)];
    const int result = Load(GetParam(), damaged);
    EXPECT_TRUE(result == 0 || result == 1) << "byte " << at;
  }
  // Every count of the first header at its extremes.
  for (const char* header : {"2147483647 52 3", "1 2147483647 3", "-1 52 3", "1 -2147483648 3",
                             "1 1 3", "1 52 2147483647"}) {
    QByteArray damaged = text;
    const qsizetype lineEnd = damaged.indexOf('\n');
    damaged.replace(0, lineEnd, header);
    const int result = Load(GetParam(), damaged);
    EXPECT_TRUE(result == 0 || result == 1) << header;
  }
}

INSTANTIATE_TEST_SUITE_P(
    EngineFiles, CorruptedPlotDataTest,
    ::testing::Values(CorruptionCase{"SoilTip", "sand-over-clay.tv8d", TPlotReadSettings{}},
                      CorruptionCase{"TzDepths", "si-layered-lrfd-charts.tv8d", WithTzDepths()},
                      CorruptionCase{"RockTipsAsCharts", "rock-sockets-uplift.tv8d",
                                     ByLengthWithCharts()},
                      CorruptionCase{"OlderDocument", "belled-design-load.tv8d",
                                     OlderDocument()}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
