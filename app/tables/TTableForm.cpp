#include "TTableForm.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <numeric>

#include "ETableError.h"
#include "TGridTable.h"
#include "TMessageBox.h"
#include "TRowButtonState.h"
#include "TTableFormLayout.h"
#include "TTableGrid.h"
#include "TableMessages.h"

TTableForm::TTableForm(TGridTable* table, bool modal) : fTable(table), fModal(modal) {
  setAttribute(Qt::WA_DeleteOnClose);
  fGrid = new TTableGrid(this);
  fGrid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                         QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
  fGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  fGrid->horizontalHeader()->setSectionsClickable(false);
  fGrid->verticalHeader()->setSectionsClickable(false);
  fGrid->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  fCorner = new QLabel(fGrid);
  fCorner->setAlignment(Qt::AlignCenter);
  fCorner->setWordWrap(true);
  fComments = new QLabel(this);
  fComments->setWordWrap(true);
  fPicture = new QLabel(this);
  fAdd = new QPushButton(TableText::AddRowCaption(), this);
  fInsert = new QPushButton(TableText::InsertRowCaption(), this);
  fDelete = new QPushButton(TableText::DeleteRowCaption(), this);
  for (QPushButton* button : {fAdd, fInsert, fDelete}) button->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(fAdd);
  buttons->addWidget(fInsert);
  buttons->addWidget(fDelete);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fGrid, 1);
  layout->addLayout(buttons);
  layout->addWidget(fComments);
  layout->addWidget(fPicture);

  connect(fAdd, &QPushButton::clicked, this, [this] { AddRowClick(); });
  connect(fInsert, &QPushButton::clicked, this, [this] { InsertRowClick(); });
  connect(fDelete, &QPushButton::clicked, this, [this] { DeleteRowClick(); });
  connect(fGrid, &QTableWidget::cellChanged, this,
          [this](int row, int col) { GridItemChanged(row, col); });
  connect(fGrid, &QTableWidget::currentCellChanged, this,
          [this](int row, int col, int, int) { GridCurrentCellChanged(row, col); });
  fGrid->OnEnter = [this] { GridEnter(); };

  fTable->AttachForm(this);
}

TTableForm::~TTableForm() { DetachTable(); }

void TTableForm::DetachTable() {
  if (!fTable) return;
  TGridTable* table = fTable;
  fTable = nullptr;
  // The grid lets go of the in-cell controls before the columns free them.
  fGrid->setRowCount(0);
  for (int i = 0; i < table->ColCount(); ++i) table->GetColumn(i)->ReleaseControls();
  table->DetachForm(this);
}

void TTableForm::Open() {
  if (fTable->RowCount() < fTable->MinRows()) fTable->SetRowCount(fTable->MinRows());
  Rebuild();
  if (QWidget* parent = fTable->FormParent()) {
    setParent(parent, Qt::Widget);
    move(0, 0);
    show();
  } else if (const TGridTable::TFormHost& host = TGridTable::FormHost()) {
    host(this);
  } else {
    show();
  }
}

int TTableForm::OpenModal() {
  if (fTable->RowCount() < fTable->MinRows()) fTable->SetRowCount(fTable->MinRows());
  Rebuild();
  setWindowModality(Qt::ApplicationModal);
  return exec();
}

void TTableForm::Rebuild() {
  if (!fTable) return;
  fRefreshing = true;
  fPendingRow = fPendingCol = -1;
  fGrid->setRowCount(0);
  for (int i = 0; i < fTable->ColCount(); ++i) fTable->GetColumn(i)->ReleaseControls();
  try {
    const TTableFormLayout layout(*fTable);
    const int rows = layout.RowCount();
    fGrid->setColumnCount(layout.DataColumnCount());
    fGrid->setRowCount(rows);
    QStringList headers, groups;
    for (int gc = 0; gc < layout.DataColumnCount(); ++gc) headers << layout.HeaderLabel(gc);
    for (int row = 0; row < rows; ++row) groups << QString::number(layout.GroupNumber(row));
    fGrid->setHorizontalHeaderLabels(headers);
    fGrid->setVerticalHeaderLabels(groups);

    const QFontMetrics metrics = fGrid->fontMetrics();
    const TTextWidth textWidth = [&metrics](const QString& s) { return metrics.horizontalAdvance(s); };
    const std::vector<int> widths = layout.ColumnWidths(logicalDpiX(), textWidth);
    int rowHeight = fGrid->verticalHeader()->defaultSectionSize();
    for (int gc = 0; gc < layout.DataColumnCount(); ++gc) {
      fGrid->setColumnWidth(gc, widths[std::size_t(gc)]);
      const int col = layout.TableColumn(gc);
      TColumn* column = fTable->GetColumn(col);
      for (int row = 0; row < rows; ++row) {
        auto* item = new QTableWidgetItem;
        if (column->HasControl()) item->setFlags(Qt::ItemIsEnabled);
        else item->setText(column->GetStringValue(row));
        fGrid->setItem(row, gc, item);
      }
      if (column->HasControl() && rows > 0) {
        fTable->SetColControlParent(fGrid->viewport());
        column->AllocateControls(fGrid->viewport(), 0, rows);
        for (int row = 0; row < rows; ++row) {
          QWidget* control = column->ControlOfRow(row);
          rowHeight = std::max(rowHeight, control->sizeHint().height());
          fGrid->setCellWidget(row, gc, control);
        }
      }
    }
    fGrid->verticalHeader()->setDefaultSectionSize(rowHeight);
    fGrid->verticalHeader()->setMinimumWidth(metrics.horizontalAdvance(fTable->TopLeft()) +
                                             metrics.averageCharWidth() * 2);
    fCorner->setText(fTable->TopLeft());
    setWindowTitle(fTable->FullCaption());
    fComments->setText(fTable->Comments());
    fComments->setVisible(!fTable->Comments().isEmpty());
    fPicture->setPixmap(fTable->HelpPicture());
    fPicture->setVisible(!fTable->HelpPicture().isNull());
    UpdateButtons();
    fRefreshing = false;
    FitToGrid();
  } catch (const ETableError& e) {
    fRefreshing = false;
    TMessageBox::Information(this, e.Message());
    QTimer::singleShot(0, this, [this] { close(); });
    return;
  }
  if (fTable->OnResize) fTable->OnResize();
}

void TTableForm::FitToGrid() {
  const TTableFormLayout layout(*fTable);
  const int frame = fGrid->frameWidth() * 2;
  const int headerWidth = fGrid->verticalHeader()->sizeHint().width();
  const int headerHeight = fGrid->horizontalHeader()->sizeHint().height();
  int width = frame + headerWidth;
  for (int gc = 0; gc < fGrid->columnCount(); ++gc) width += fGrid->columnWidth(gc);
  if (layout.RowCount() > TTableFormLayout::kMaxVisibleRows)
    width += fGrid->verticalScrollBar()->sizeHint().width();
  const int height =
      frame + headerHeight + fGrid->verticalHeader()->defaultSectionSize() * layout.VisibleRows();
  fGrid->SetSizeHint(QSize(width, height));
  fGrid->setMinimumHeight(height);
  fGrid->updateGeometry();
  fCorner->setGeometry(fGrid->frameWidth(), fGrid->frameWidth(), headerWidth, headerHeight);
  adjustSize();
}

void TTableForm::UpdateButtons() {
  const TRowButtonState state = TRowButtonState::Of(*fTable);
  for (QPushButton* button : {fAdd, fInsert, fDelete}) button->setVisible(state.Visible);
  fAdd->setEnabled(state.AddEnabled);
  fInsert->setEnabled(state.InsertEnabled);
  fDelete->setEnabled(state.DeleteEnabled);
}

void TTableForm::Refresh() {
  if (!fTable || fRefreshing) return;
  if (fGrid->rowCount() != fTable->RowCount()) {
    Rebuild();
    return;
  }
  fRefreshing = true;
  try {
    const TTableFormLayout layout(*fTable);
    if (layout.DataColumnCount() != fGrid->columnCount()) {
      fRefreshing = false;
      Rebuild();
      return;
    }
    for (int gc = 0; gc < layout.DataColumnCount(); ++gc) {
      if (layout.HasControl(gc)) continue;
      const int col = layout.TableColumn(gc);
      for (int row = 0; row < layout.RowCount(); ++row) {
        if (row == fPendingRow && gc == fPendingCol) continue;
        if (QTableWidgetItem* item = fGrid->item(row, gc))
          item->setText(fTable->GetStringValue(col, row));
      }
    }
  } catch (const ETableError&) {
    // The layout changed under the window; the next rebuild shows it.
  }
  fRefreshing = false;
  UpdateButtons();
}

void TTableForm::ShowRefusal(const QString& message) {
  fShowingMessage = true;
  TMessageBox::Information(this, message);
  fShowingMessage = false;
  if (!fRestoreQueued) {
    fRestoreQueued = true;
    QTimer::singleShot(0, this, [this] { RestoreSelection(); });
  }
  if (!fModal && isVisible() && !isActiveWindow()) {
    raise();
    activateWindow();
  }
}

void TTableForm::RestoreSelection() {
  fRestoreQueued = false;
  if (fPendingRow < 0 || fPendingRow >= fGrid->rowCount() || fPendingCol >= fGrid->columnCount())
    return;
  fGrid->setCurrentCell(fPendingRow, fPendingCol);
}

void TTableForm::GridItemChanged(int row, int gridCol) {
  if (fRefreshing || !fTable) return;
  const QTableWidgetItem* item = fGrid->item(row, gridCol);
  if (!item) return;
  const QString text = item->text();
  const TTableFormLayout layout(*fTable);
  const TActionOutcome outcome = TTableFormActions(*fTable).Commit(layout, gridCol, row, text);
  if (outcome.Ok) {
    fPendingRow = fPendingCol = -1;
    Refresh();
  } else {
    fPendingRow = row;
    fPendingCol = gridCol;
    ShowRefusal(outcome.Message);
  }
}

bool TTableForm::CommitPending() {
  if (!fTable) return true;
  if (fGrid->Editing()) fGrid->FinishEditing();
  if (fPendingRow < 0) return true;
  if (fShowingMessage) return false;
  const QTableWidgetItem* item = fGrid->item(fPendingRow, fPendingCol);
  if (!item) {
    fPendingRow = fPendingCol = -1;
    return true;
  }
  const TTableFormLayout layout(*fTable);
  const TActionOutcome outcome =
      TTableFormActions(*fTable).Commit(layout, fPendingCol, fPendingRow, item->text());
  if (outcome.Ok) {
    fPendingRow = fPendingCol = -1;
    Refresh();
    return true;
  }
  ShowRefusal(outcome.Message);
  return false;
}

void TTableForm::GridCurrentCellChanged(int row, int gridCol) {
  if (fRefreshing || fRestoreQueued || fShowingMessage || fPendingRow < 0) return;
  if (row == fPendingRow && gridCol == fPendingCol) return;
  CommitPending();
}

void TTableForm::GridEnter() {
  if (!fTable || fPendingRow >= 0 || fRestoreQueued) return;
  const TTableFormLayout layout(*fTable);
  if (layout.RowCount() == 0) return;
  const int row = std::max(fGrid->currentRow(), 0);
  const int col = std::max(fGrid->currentColumn(), 0);
  const auto [nextCol, nextRow] = layout.NextCell(col, row);
  fGrid->setCurrentCell(nextRow, nextCol);
}

void TTableForm::RunRowAction(const TActionOutcome& outcome) {
  if (!outcome.Ok) TMessageBox::Information(this, outcome.Message);
}

void TTableForm::AddRowClick() {
  if (!fTable || !CommitPending()) return;
  RunRowAction(TTableFormActions(*fTable).AddRow());
  const int first = fTable->RowCount() - fTable->RowGroup();
  if (first >= 0 && first < fGrid->rowCount()) {
    fGrid->setCurrentCell(first, 0);
    fGrid->scrollToBottom();
  }
}

void TTableForm::InsertRowClick() {
  if (!fTable || !CommitPending()) return;
  const int row = fGrid->currentRow();
  RunRowAction(TTableFormActions(*fTable).InsertRow(row));
}

void TTableForm::DeleteRowClick() {
  if (!fTable || !CommitPending()) return;
  RunRowAction(TTableFormActions(*fTable).DeleteRow(fGrid->currentRow()));
}

void TTableForm::closeEvent(QCloseEvent* event) {
  if (!CommitPending()) {
    event->ignore();
    return;
  }
  DetachTable();
  QDialog::closeEvent(event);
}

void TTableForm::done(int result) {
  if (!CommitPending()) return;
  QDialog::done(result);
}

void TTableForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && !fModal && !isActiveWindow() && isVisible())
    CommitPending();
}
