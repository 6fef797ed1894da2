// The document the view tests draw: the soil-profile tables and the current document, made
// by hand (shaft values and layers) or opened from a bundled example, with the message
// boxes captured; and where the tests put their pictures.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <initializer_list>
#include <memory>

#include "TMessageCapture.h"
#include "TProgramData.h"
#include "TResultPlots.h"
#include "TSoilProfileTables.h"

namespace view_test {

struct Layer {
  int type;
  long double bottom;
};

// Holds the tables and makes ProgramData the document; frees both at the end.
class ViewDocument {
 public:
  ViewDocument();
  ~ViewDocument();

  TProgramData& Doc() const { return *ProgramData; }
  TSoilProfileTables& Tables() const { return *fTables; }
  TMessageCapture& Messages() const { return *fMessages; }

  // The layers of table D, from the top down.
  void SetLayers(std::initializer_list<Layer> layers);
  // A straight or belled shaft.
  void SetShaft(long double D, long double L, long double topZone = 0, long double bottomZone = 0,
                long double ratio = 0, long double angle = 0);
  // Opens examples/<name>.tv8d.
  void OpenExample(const QString& name);
  // Loads the results the engine gives for the example into `plots` (the example must be
  // the open document).
  void LoadEngineResults(const QString& name, TResultPlots& plots);

 private:
  std::unique_ptr<TSoilProfileTables> fTables;
  std::unique_ptr<TMessageCapture> fMessages;
};

// build/screenshots/<name>.png; returns the path.
QString SaveScreenshot(const QImage& image, const QString& name);

// True when `actual` is within `tolerance` of `expected` in each channel.
bool Near(const QColor& actual, const QColor& expected, int tolerance = 2);
std::string Describe(const QColor& color);

}  // namespace view_test
