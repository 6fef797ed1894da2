#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "GraphicsMenuState.h"
#include "TExportChoice.h"
#include "TResultPlots.h"

class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QShowEvent;

// "Export to Excel": the check list of the result plots the Graphics menu offers, the
// buttons to check or clear them all, the export itself ("Generate Excel File", enabled
// while a plot is checked) and the choice of markers. Created once and opened modally each
// time; every opening rebuilds the list from the Graphics menu's state at that moment.
class TDlgExport : public QDialog {
  Q_OBJECT

 public:
  // The enabled state of the Graphics commands as the menu would show it now.
  using TMenuStateSource = std::function<TGraphicsMenuState()>;
  // The current document's file name, for the workbook name the save question proposes.
  using TDocumentNameSource = std::function<QString()>;

  TDlgExport(const TResultPlots& plots, TMenuStateSource menuState,
             TDocumentNameSource documentFileName, QWidget* parent = nullptr);

  const TExportChoice& Choice() const { return fChoice; }
  QListWidget* PlotList() const { return fList; }
  QPushButton* SelectAllButton() const { return fSelectAll; }
  QPushButton* UnselectAllButton() const { return fUnselectAll; }
  QPushButton* GenerateButton() const { return fGenerate; }
  QPushButton* CloseButton() const { return fClose; }
  QCheckBox* MarkersBox() const { return fMarkers; }

  // Rebuilds the list of offered plots, every entry checked.
  void FormActivate();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  static constexpr int kVisibleRows = 16;

  void SelectAllClick();
  void UnselectAllClick();
  void GenerateClick();
  void CloseClick();
  void PlotListItemChanged(QListWidgetItem* item);

  void ShowChoice();
  void FitListToCaptions();
  void UpdateGenerateButton();

  const TResultPlots& fPlots;
  TMenuStateSource fMenuState;
  TDocumentNameSource fDocumentFileName;
  TExportChoice fChoice;

  QListWidget* fList;
  QPushButton* fSelectAll;
  QPushButton* fUnselectAll;
  QPushButton* fGenerate;
  QPushButton* fClose;
  QCheckBox* fMarkers;
};
