#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "TFloatPoint.h"
#include "TLine.h"
#include "TPlotFormHandle.h"
#include "UnitsTitle.h"

// The model of one result graph: a family of data lines, optionally a soil-layer strip
// beside the graph (one layer line per soil layer, x the fill code and y the layer bottom,
// named by the label written in its band), the graph's texts and its display options.
// The plot owns its lines and, while it is shown, its window; it knows nothing about files
// or drawing.
class TGraphPlot {
 public:
  // Lines from this position on start inactive when a window opens with LimitActive on.
  static constexpr int kActiveLineLimit = 20;

  TGraphPlot();
  ~TGraphPlot();
  TGraphPlot(const TGraphPlot&) = delete;
  TGraphPlot& operator=(const TGraphPlot&) = delete;

  // Texts. Caption is the graph's title (window title prefix, print job title, title cell
  // of an export); the unit codes are turned into unit words by UnitsTitle, an empty code
  // meaning no unit in the title.
  const QString& Caption() const { return fCaption; }
  void SetCaption(const QString& caption) { fCaption = caption; }
  const QString& XCaption() const { return fXCaption; }
  void SetXCaption(const QString& caption) { fXCaption = caption; }
  const QString& YCaption() const { return fYCaption; }
  void SetYCaption(const QString& caption) { fYCaption = caption; }
  const QString& XUnits() const { return fXUnits; }
  void SetXUnits(const QString& units) { fXUnits = units; }
  const QString& YUnits() const { return fYUnits; }
  void SetYUnits(const QString& units) { fYUnits = units; }
  // Prefix of the default line names.
  const QString& CurveName() const { return fCurveName; }
  void SetCurveName(const QString& name) { fCurveName = name; }

  // Axis titles as drawn, printed and exported: the caption followed by the unit words in
  // parentheses, or the caption alone without a unit code.
  QString XAxisTitle() const;
  QString YAxisTitle() const;

  // Horizontal axis at the top with vertical values growing downward (depth plots); off:
  // axis at the bottom, values growing upward.
  bool XOnTop() const { return fXOnTop; }
  void SetXOnTop(bool onTop) { fXOnTop = onTop; }
  // The vertical axis is an elevation axis: its range need not include zero and its larger
  // value sits at the top edge.
  bool Yreversed() const { return fYreversed; }
  void SetYreversed(bool reversed) { fYreversed = reversed; }

  // Display options, kept here so that they outlive the window.
  bool LimitActive() const { return fLimitActive; }
  void SetLimitActive(bool limit) { fLimitActive = limit; }
  bool ShowFontWidth() const { return fShowFontWidth; }
  void SetShowFontWidth(bool show) { fShowFontWidth = show; }
  bool ShowLegend() const { return fShowLegend; }
  void SetShowLegend(bool show) { fShowLegend = show; }
  bool ShowLayers() const { return fShowLayers; }
  void SetShowLayers(bool show) { fShowLayers = show; }
  // Font scales in tenths of the window font (10 = default) and of the legend font.
  int SizeFont() const { return fSizeFont; }
  void SetSizeFont(int size) { fSizeFont = size; }
  int LegendFont() const { return fLegendFont; }
  void SetLegendFont(int size) { fLegendFont = size; }
  // Line width multiplier.
  int WidthLine() const { return fWidthLine; }
  void SetWidthLine(int width) { fWidthLine = width; }
  // A marker on every n-th point; 0 never.
  int Markers() const { return fMarkers; }
  void SetMarkers(int every) { fMarkers = every; }
  // Unit system of the titles, kept within 1 English, 2 SI, 3 codes as they are.
  int Units() const { return fUnits; }
  void SetUnits(int units);
  // The user's graph caption, drawn above (on top) or below the graph.
  const QString& UserCaption() const { return fUserCaption; }
  void SetUserCaption(const QString& caption) { fUserCaption = caption; }
  bool UserCaptionOnTop() const { return fUserCaptionOnTop; }
  void SetUserCaptionOnTop(bool onTop) { fUserCaptionOnTop = onTop; }
  // Vertical value of the top of the soil-layer strip.
  long double LayersTop() const { return fLayersTop; }
  void SetLayersTop(long double top) { fLayersTop = top; }

  // Data lines. Setting LineCount clamps to 0, frees lines from the end while too many and
  // appends new lines while too few, each with the current Count points at (0, 0).
  int LineCount() const { return static_cast<int>(fData.size()); }
  void SetLineCount(int count);
  // Point count of line 0, 0 without lines. Setting it gives every line that many points
  // (negative counts as 0); without lines it does nothing.
  int Count() const;
  void SetCount(int count);
  // Line i, point j of line i; indices outside the plot throw std::out_of_range.
  TLine& Lines(int i);
  const TLine& Lines(int i) const;
  TFloatPoint& Data(int i, int j) { return Lines(i).Point(j); }
  const TFloatPoint& Data(int i, int j) const { return Lines(i).Point(j); }

  // Soil-layer lines, handled like the data lines: new ones get the current LayerCount
  // points and their 1-based position in the layer list as default number.
  int LayerLineCount() const { return static_cast<int>(gData.size()); }
  void SetLayerLineCount(int count);
  int LayerCount() const;
  void SetLayerCount(int count);
  TLine& LayerLines(int i);
  const TLine& LayerLines(int i) const;
  TFloatPoint& LayerData(int i, int j) { return LayerLines(i).Point(j); }
  const TFloatPoint& LayerData(int i, int j) const { return LayerLines(i).Point(j); }

  bool HasSomethingToDraw() const { return LineCount() > 0; }

  // What a newly opened window does to the lines: every line active, then with LimitActive
  // the lines from kActiveLineLimit on inactive.
  void ResetActiveLines();

  // The window. Show makes it through the form factory when it does not exist (without a
  // factory no window can exist and Show does nothing) and presents it; a second Show
  // presents the same window. Hide frees the window; the window calls it when the user
  // closes it, so the next Show makes a fresh one.
  void SetFormFactory(TPlotFormFactory factory) { fFormFactory = std::move(factory); }
  void Show();
  void Hide();
  bool FormExists() const { return fFormExists; }
  TPlotFormHandle* Form() const { return fForm.get(); }

 private:
  using LineList = std::vector<std::unique_ptr<TLine>>;

  void ResizeLines(LineList& lines, int count, int pointCount);
  static void SetPointCount(LineList& lines, int count);
  static TLine& LineAt(const LineList& lines, int i, const char* listName);
  void FreeForm();

  QString fCaption;
  QString fXCaption;
  QString fYCaption;
  QString fXUnits;
  QString fYUnits;
  QString fCurveName;
  bool fXOnTop = true;
  bool fYreversed = false;
  bool fLimitActive = true;
  bool fShowFontWidth = true;
  bool fShowLegend = true;
  bool fShowLayers = false;
  int fSizeFont = 10;
  int fLegendFont = 11;
  int fWidthLine = 1;
  int fMarkers = 1;
  int fUnits = kPlotUnitsEnglish;
  QString fUserCaption;
  bool fUserCaptionOnTop = false;
  long double fLayersTop = 0;

  LineList fData;  // data lines
  LineList gData;  // soil-layer lines

  TPlotFormFactory fFormFactory;
  std::unique_ptr<TPlotFormHandle> fForm;
  bool fFormExists = false;
  bool fInShow = false;         // Show is making or presenting the window
  bool fHideRequested = false;  // Hide came while Show was busy with the window
};
