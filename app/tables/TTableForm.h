#pragma once
// The editing window of a grid table: a grid with the row-group numbers in front, the
// heading rows with unit names, drop-down lists in enumeration cells and buttons that open
// sub-tables in table cells, the buttons "&Add Row", "&Insert Row" and "&Delete Row", the
// table's comment and its help picture. The window is thin: its numbers come from
// TTableFormLayout, the buttons' state from TRowButtonState, and every change to the table
// goes through TTableFormActions.
//
// A cell's text is committed when the user leaves the cell (another cell, Enter, the grid
// losing the focus, closing the window). A refused entry is told in an information box; the
// cell keeps the typed text and the selection stays on it, a closing window stays open.
#include <QDialog>
#include <QPointer>

#include "TTableFormActions.h"

class QLabel;
class QPushButton;
class TGridTable;
class TTableGrid;

class TTableForm : public QDialog {
 public:
  TTableForm(TGridTable* table, bool modal);
  ~TTableForm() override;

  // Shows the window: embedded in the table's FormParent, adopted by the program's form
  // host (a child window of the main window), or as a window of its own.
  void Open();
  // Shows the window modally; returns when it is closed.
  int OpenModal();
  bool IsModal() const { return fModal; }

  // Rebuilds the grid from the table (rows, columns, headings, controls, sizes).
  void Rebuild();
  // Refreshes the cell texts and the buttons from the table.
  void Refresh();

  TTableGrid* Grid() const { return fGrid; }
  QPushButton* AddButton() const { return fAdd; }
  QPushButton* InsertButton() const { return fInsert; }
  QPushButton* DeleteButton() const { return fDelete; }

  // The table is being destroyed: the window must no longer touch it.
  void DetachTable();

  // Commits the cell being edited or left with a refused entry; false when it was refused.
  bool CommitPending();

  // Handlers of the window's controls.
  void AddRowClick();
  void InsertRowClick();
  void DeleteRowClick();
  void GridItemChanged(int row, int gridCol);
  void GridCurrentCellChanged(int row, int gridCol);
  void GridEnter();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Every way of ending the window (Escape included) commits first.
  void done(int result) override;
  void changeEvent(QEvent* event) override;

 private:
  void ShowRefusal(const QString& message);
  void RestoreSelection();
  void FitToGrid();
  void UpdateButtons();
  void RunRowAction(const TActionOutcome& outcome);

  TGridTable* fTable;
  bool fModal;
  TTableGrid* fGrid = nullptr;
  QLabel* fCorner = nullptr;
  QLabel* fComments = nullptr;
  QLabel* fPicture = nullptr;
  QPushButton* fAdd = nullptr;
  QPushButton* fInsert = nullptr;
  QPushButton* fDelete = nullptr;
  bool fRefreshing = false;
  bool fShowingMessage = false;
  bool fRestoreQueued = false;
  // The cell left with a refused entry, row -1 when none.
  int fPendingRow = -1;
  int fPendingCol = -1;
};
