#include "TExportChoice.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <stdexcept>
#include <string>

#include "ExportMessages.h"
#include "TExportPlotTable.h"

static_assert(kExportPlotCount == TResultPlots::kPlotCount, "the export offers every result plot");

void TExportChoice::Rebuild(const TGraphicsMenuState& menu, const TResultPlots& plots) {
  fEntries.clear();
  for (const TExportPlotRow& row : ExportPlotTable())
    if (menu[row.Command].Enabled) fEntries.push_back({row.Position, plots.Plot(row.Plot).Caption()});
}

void TExportChoice::SetChecked(int entry, bool checked) {
  if (entry < 0 || entry >= Count()) throw std::out_of_range("export entry " + std::to_string(entry));
  fEntries[static_cast<std::size_t>(entry)].Checked = checked;
}

void TExportChoice::SetAll(bool checked) {
  for (TEntry& entry : fEntries) entry.Checked = checked;
}

bool TExportChoice::CanGenerate() const {
  return std::any_of(fEntries.begin(), fEntries.end(), [](const TEntry& e) { return e.Checked; });
}

std::vector<const TGraphPlot*> TExportChoice::ChosenPlots(const TResultPlots& plots) const {
  std::vector<const TGraphPlot*> chosen;
  for (const TEntry& entry : fEntries)
    if (entry.Checked)
      chosen.push_back(&plots.Plot(ExportPlotTable()[static_cast<std::size_t>(entry.Position - 1)].Plot));
  return chosen;
}

QString ProposedWorkbookName(const QString& documentFileName) {
  const QFileInfo document(documentFileName);
  return QDir(document.absolutePath())
      .filePath(document.completeBaseName() + QLatin1Char('.') + ExportText::WorkbookSuffix());
}
