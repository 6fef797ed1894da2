#include "ViewTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>
#include <cstdlib>

#include "DocumentSettings.h"
#include "PlotDataFiles.h"
#include "TGridTable.h"
#include "TResultsLoader.h"

namespace view_test {

ViewDocument::ViewDocument() {
  QLocale::setDefault(QLocale::c());
  fTables = std::make_unique<TSoilProfileTables>();
  fMessages = std::make_unique<TMessageCapture>();
  ProgramData = TProgramData::Create(*fTables);
}

ViewDocument::~ViewDocument() {
  ProgramData.reset();
  fMessages.reset();
  fTables.reset();
}

void ViewDocument::SetLayers(std::initializer_list<Layer> layers) {
  TGridTable& d = fTables->D();
  d.SetRowCount(int(layers.size()));
  int row = 0;
  for (const Layer& layer : layers) {
    d.SetIntValue(kLayerSoilType, row, layer.type);
    d.SetFloatValue(kLayerBottom, row, layer.bottom);
    ++row;
  }
}

void ViewDocument::SetShaft(long double D, long double L, long double topZone,
                            long double bottomZone, long double ratio, long double angle) {
  TProgramData& doc = Doc();
  doc.DSTART = doc.DIALIM = D;
  doc.PD = L;
  doc.TOPLENG = topZone;
  doc.BS = bottomZone;
  doc.RATIO = ratio;
  doc.BELANGL = angle;
}

void ViewDocument::OpenExample(const QString& name) {
  const QString path = QDir(QStringLiteral(TORVEX_SOURCE_DIR "/examples"))
                           .filePath(name + QStringLiteral(".tv8d"));
  TReadOutcome outcome;
  ProgramData.reset();
  ProgramData = TProgramData::CreateFromFile(path, TProgramData::kFilterCurrent, *fTables, &outcome);
  ASSERT_TRUE(outcome.Complete) << path.toStdString();
}

void ViewDocument::LoadEngineResults(const QString& name, TResultPlots& plots) {
  const QByteArray text =
      results_test::EnginePlotData((name + QStringLiteral(".tv8d")).toStdString());
  TPlotReadSettings settings = SettingsFrom(Doc());
  TResultsLoader loader(plots, settings, SoilLayersFrom(*fTables));
  plots.ClearLoadedFlags();
  plots.ShowOutput = loader.ReadPlotDataFrom(text, 1) == 1;
  ASSERT_TRUE(plots.ShowOutput) << name.toStdString();
}

QString SaveScreenshot(const QImage& image, const QString& name) {
  QDir dir(QStringLiteral(TORVEX_SCREENSHOT_DIR));
  dir.mkpath(QStringLiteral("."));
  const QString path = dir.filePath(name + QStringLiteral(".png"));
  EXPECT_TRUE(image.save(path)) << path.toStdString();
  return path;
}

bool Near(const QColor& a, const QColor& e, int tolerance) {
  return std::abs(a.red() - e.red()) <= tolerance && std::abs(a.green() - e.green()) <= tolerance &&
         std::abs(a.blue() - e.blue()) <= tolerance;
}

std::string Describe(const QColor& c) {
  return "(" + std::to_string(c.red()) + "," + std::to_string(c.green()) + "," +
         std::to_string(c.blue()) + ")";
}

}  // namespace view_test
