#pragma once
// The soil-layer editor ("Soill Layers"): a grid of the layers from the top down, each row
// with its "Edit Layer n" button (the layer-parameters dialog), its soil-type drop-down and
// numeric fields for the bottom depth, the two limits and, under LRFD, the two resistance
// factors; the buttons that add, insert and delete layers; and the notes.
//
// The widgets only bind TSoilLayerList, which holds the grid and does the layer operations.
// Activation loads the grid from the layer table; deactivation and close store it, unless
// the focused field refuses its entry (then nothing is stored and the window stays).
#include <QPointer>
#include <vector>

#include "TChildForm.h"
#include "TDlgSoils.h"
#include "TSoilLayerList.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class TDataEdit;

class TDlgSoilLayers : public TChildForm {
  Q_OBJECT

 public:
  // Grid columns: the edit button, the soil type, then the numeric fields.
  enum TGridColumn {
    kColButton,
    kColType,
    kColBottom,
    kColMaxSide,
    kColMaxEnd,
    kColSideFactor,
    kColEndFactor,
    kGridColumnCount
  };
  // The column of the layer table D a grid column shows (-1 for the button).
  static int LayerColumnOf(int gridColumn);

  explicit TDlgSoilLayers(QWidget* parent = nullptr);

  void FormActivate() override;
  bool FormDeactivate() override;

  const TSoilLayerList& Layers() const { return fLayers; }

  QTableWidget* Grid() const { return fGrid; }
  QPushButton* EditButton(int row) const;
  QComboBox* SoilTypeBox(int row) const;
  TDataEdit* Entry(int row, int gridColumn) const;
  QPushButton* AddButton() const { return fAdd; }
  QPushButton* InsertButton() const { return fInsert; }
  QPushButton* DeleteButton() const { return fDelete; }
  QCheckBox* ConfirmDeletion() const { return fConfirm; }
  // The layer-parameters dialog, once it was opened.
  TDlgSoils* SoilsDialog() const { return fSoils; }

  // Handlers of the controls.
  void AddLayerClick();
  void InsertLayerClick();
  void DeleteLayerClick();
  void CloseClick();
  void EditLayerClick(int row);
  void SoilTypeChange(int row, int index);
  // A field of the row was entered / its entry was taken: its number goes into the grid
  // and the row becomes the focus row.
  void DataEditEnter(int row, int gridColumn);
  void DataEditExit(int row, int gridColumn);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct TRowControls {
    QPushButton* Edit = nullptr;
    QComboBox* Type = nullptr;
    std::vector<TDataEdit*> Entries;  // grid columns kColBottom ..
  };

  void SetHeadings(int units);
  // As many rows of controls as layers; every row shows its layer.
  void SyncRows();
  void ShowRow(int row);
  void AddRowControls(int row);
  void UpdateButtons();
  void FitColumns();
  std::vector<TDataEdit*> AllEntries() const;

  TSoilLayerList fLayers;
  QTableWidget* fGrid;
  QPushButton* fAdd;
  QPushButton* fInsert;
  QPushButton* fDelete;
  QCheckBox* fConfirm;
  std::vector<TRowControls> fRows;
  QPointer<TDlgSoils> fSoils;
};
