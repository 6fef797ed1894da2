#pragma once
// The ASD/LRFD design charts: whether they are computed, the ranges of shaft length and
// diameter, and the settlements at which the charts are drawn. Deactivation writes back
// without the entry check; the close checks first. A settlement that is not a number stops
// the write-back there with a message, and the window stays.
#include "TInputDialog.h"
#include "TSettlementList.h"

class QCheckBox;
class QGroupBox;
class QTableWidget;
class QToolButton;

class TfrmDesignCharts : public TInputDialog {
  Q_OBJECT

 public:
  explicit TfrmDesignCharts(QWidget* parent = nullptr);

  QCheckBox* CheckBox1() const { return fCompute; }
  // DataEdit1 .. DataEdit4: maximum length, minimum length, length and diameter increments.
  TDataEdit* DataEdit(int index) const { return Entries()[std::size_t(index)]; }
  TDataEdit* EditNumber() const { return fNumber; }
  QToolButton* UpButton() const { return fUp; }
  QToolButton* DownButton() const { return fDown; }
  QTableWidget* StringGrid1() const { return fGrid; }

  // The number of points was edited: a whole number from 1 to 10 resizes the grid.
  void EditNumberChange();
  // The arrows: one point more, one fewer.
  void UpClick();
  void DownClick();

 protected:
  void LoadValues() override;
  bool StoreValues() override;
  void UpdateEnabling() override;
  bool ChecksOnDeactivate() const override { return false; }

 private:
  void ShowSettlements();
  void CellChanged(int row, int column);

  TSettlementList fSettlements;
  QCheckBox* fCompute;
  QGroupBox* fRanges;
  QGroupBox* fPoints;
  TDataEdit* fNumber;
  QToolButton* fUp;
  QToolButton* fDown;
  QTableWidget* fGrid;
  bool fShowing = false;
};
