#include "TGraphPlot.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "UnitsTitle.h"

namespace {

QString AxisTitle(const QString& caption, const QString& units, int unitSystem) {
  if (units.isEmpty()) return caption;
  return caption + QStringLiteral(" (") + UnitsTitle(units, unitSystem) + QLatin1Char(')');
}

}  // namespace

TGraphPlot::TGraphPlot() : fCurveName(QStringLiteral("Curve #")) {}

// The window goes first: it may still look at the lines while it closes.
TGraphPlot::~TGraphPlot() { FreeForm(); }

QString TGraphPlot::XAxisTitle() const { return AxisTitle(fXCaption, fXUnits, fUnits); }

QString TGraphPlot::YAxisTitle() const { return AxisTitle(fYCaption, fYUnits, fUnits); }

void TGraphPlot::SetUnits(int units) {
  fUnits = std::clamp(units, kPlotUnitsEnglish, kPlotUnitsAsCoded);
}

void TGraphPlot::ResizeLines(LineList& lines, int count, int pointCount) {
  const std::size_t wanted = count < 0 ? 0 : static_cast<std::size_t>(count);
  if (lines.size() > wanted) lines.resize(wanted);
  lines.reserve(wanted);
  while (lines.size() < wanted) {
    const auto position = static_cast<long double>(lines.size() + 1);
    lines.push_back(std::unique_ptr<TLine>(new TLine(*this, pointCount, position)));
  }
}

void TGraphPlot::SetPointCount(LineList& lines, int count) {
  for (auto& line : lines) line->SetCount(count);
}

TLine& TGraphPlot::LineAt(const LineList& lines, int i, const char* listName) {
  if (i < 0 || static_cast<std::size_t>(i) >= lines.size())
    throw std::out_of_range(std::string(listName) + " " + std::to_string(i) + " of a plot with " +
                            std::to_string(lines.size()));
  return *lines[static_cast<std::size_t>(i)];
}

void TGraphPlot::SetLineCount(int count) { ResizeLines(fData, count, Count()); }

int TGraphPlot::Count() const { return fData.empty() ? 0 : fData.front()->Count(); }

void TGraphPlot::SetCount(int count) { SetPointCount(fData, count); }

TLine& TGraphPlot::Lines(int i) { return LineAt(fData, i, "line"); }

const TLine& TGraphPlot::Lines(int i) const { return LineAt(fData, i, "line"); }

void TGraphPlot::SetLayerLineCount(int count) { ResizeLines(gData, count, LayerCount()); }

int TGraphPlot::LayerCount() const { return gData.empty() ? 0 : gData.front()->Count(); }

void TGraphPlot::SetLayerCount(int count) { SetPointCount(gData, count); }

TLine& TGraphPlot::LayerLines(int i) { return LineAt(gData, i, "layer line"); }

const TLine& TGraphPlot::LayerLines(int i) const { return LineAt(gData, i, "layer line"); }

void TGraphPlot::ResetActiveLines() {
  for (std::size_t i = 0; i < fData.size(); ++i)
    fData[i]->SetActive(!fLimitActive || i < static_cast<std::size_t>(kActiveLineLimit));
}

void TGraphPlot::Show() {
  // A window that shows its plot again while it is being made or presented changes nothing.
  if (fInShow) return;
  fInShow = true;
  fHideRequested = false;
  struct EndOfShow {
    bool& inShow;
    ~EndOfShow() { inShow = false; }
  } endOfShow{fInShow};

  if (!fForm && fFormFactory) {
    fForm = fFormFactory(*this);
    fFormExists = fForm != nullptr;
  }
  if (fForm && !fHideRequested) fForm->Present();
  if (fHideRequested) {
    fInShow = false;
    FreeForm();
  }
}

void TGraphPlot::Hide() {
  // The window asked to close while Show still works with it: it goes when Show is done.
  if (fInShow) {
    fHideRequested = true;
    fFormExists = false;
    return;
  }
  FreeForm();
}

void TGraphPlot::FreeForm() {
  fFormExists = false;
  // Taken out first, so that a Hide from the closing window finds no window left to free.
  std::unique_ptr<TPlotFormHandle> form = std::move(fForm);
  form.reset();
}
