#include "TTableGrid.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>

// Remembers the open editor and notes Enter in it before the view handles the key.
class TTableGridDelegate : public QStyledItemDelegate {
 public:
  explicit TTableGridDelegate(TTableGrid* grid) : QStyledItemDelegate(grid), fGrid(grid) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    fGrid->fEditor = editor;
    return editor;
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) fGrid->fEnterPending = true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }

 private:
  TTableGrid* fGrid;
};

TTableGrid::TTableGrid(QWidget* parent) : QTableWidget(parent) {
  setItemDelegate(new TTableGridDelegate(this));
}

void TTableGrid::FinishEditing() {
  if (!fEditor) return;
  QWidget* editor = fEditor;
  commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TTableGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  const bool enter = fEnterPending;
  fEnterPending = false;
  if (editor == fEditor) fEditor = nullptr;
  QTableWidget::closeEditor(editor, hint);
  if (enter && OnEnter) OnEnter();
}

void TTableGrid::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !fEditor) {
    if (OnEnter) OnEnter();
    event->accept();
    return;
  }
  QTableWidget::keyPressEvent(event);
}
