#pragma once

#include <QString>
#include <vector>

#include "GraphicsMenuState.h"
#include "TResultPlots.h"

class TGraphPlot;

// The plots the export dialog offers and which of them are checked. Rebuilt each time the
// dialog opens: one entry, checked, for every position of the export table whose Graphics
// command is enabled, showing the plot's caption.
class TExportChoice {
 public:
  struct TEntry {
    int Position;  // in the export table, 1..26
    QString Caption;
    bool Checked = true;
  };

  void Rebuild(const TGraphicsMenuState& menu, const TResultPlots& plots);

  const std::vector<TEntry>& Entries() const { return fEntries; }
  int Count() const { return static_cast<int>(fEntries.size()); }
  // Entry i, 0-based; an index outside the list throws std::out_of_range.
  void SetChecked(int entry, bool checked);
  void SelectAll() { SetAll(true); }
  void UnselectAll() { SetAll(false); }

  // The export can run: at least one entry is checked.
  bool CanGenerate() const;
  // The checked plots in list order.
  std::vector<const TGraphPlot*> ChosenPlots(const TResultPlots& plots) const;

 private:
  void SetAll(bool checked);

  std::vector<TEntry> fEntries;
};

// The name the save question proposes for the workbook of a document: the document's name
// with ".xlsx" in the document's folder.
QString ProposedWorkbookName(const QString& documentFileName);
