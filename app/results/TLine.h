#pragma once

#include <QString>
#include <vector>

#include "TFloatPoint.h"

class TGraphPlot;

// One curve of a graph: its points in drawing order, its name and its display flags. A line
// exists only inside its plot, as a data line or a soil-layer line; the plot creates it and
// frees it, and the line frees its points.
class TLine {
 public:
  TLine(const TLine&) = delete;
  TLine& operator=(const TLine&) = delete;

  TGraphPlot& Owner() const { return fOwner; }

  // Point count. Setting it clamps negative counts to 0, drops points from the end while
  // there are too many and appends points at (0, 0) while there are too few.
  int Count() const { return static_cast<int>(fData.size()); }
  void SetCount(int count);

  // The i-th point (0-based); an index outside the line throws std::out_of_range.
  TFloatPoint& Point(int i);
  const TFloatPoint& Point(int i) const;

  // The line's default number: its 1-based position in its list when it was created.
  long double Value() const { return fValue; }
  void SetValue(long double value) { fValue = value; }

  // The display name: the given name, or without one the plot's CurveName followed by
  // Value ("Curve #3"). Giving an empty name brings the default name back.
  QString LineName() const;
  void SetLineName(const QString& name) { fValueS = name; }
  bool HasOwnName() const { return !fValueS.isEmpty(); }

  // Drawn, and starred in the legend.
  bool Visible() const { return fVisible; }
  void SetVisible(bool visible) { fVisible = visible; }

  // Takes part in legend, menu and drawing at all.
  bool Active() const { return fActive; }
  void SetActive(bool active) { fActive = active; }

 private:
  friend class TGraphPlot;
  TLine(TGraphPlot& owner, int count, long double value);

  TGraphPlot& fOwner;
  std::vector<TFloatPoint> fData;
  long double fValue;
  QString fValueS;
  bool fVisible = true;
  bool fActive = true;
};
