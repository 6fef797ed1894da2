#pragma once
// The string grid of the table window: a QTableWidget that can finish an open cell editor
// on demand (so a closing window commits what is being typed), reports Enter, and sizes
// itself to the hint the window gives it.
#include <QPointer>
#include <QSize>
#include <QTableWidget>
#include <functional>

class TTableGrid : public QTableWidget {
 public:
  explicit TTableGrid(QWidget* parent = nullptr);

  // Commits and closes the cell editor, when one is open.
  void FinishEditing();
  bool Editing() const { return fEditor != nullptr; }
  QWidget* Editor() const { return fEditor; }

  void SetSizeHint(const QSize& size) { fHint = size; }
  QSize sizeHint() const override { return fHint.isValid() ? fHint : QTableWidget::sizeHint(); }

  // Enter in the grid or in a cell editor, after the editor's text was committed.
  std::function<void()> OnEnter;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

 private:
  friend class TTableGridDelegate;
  QPointer<QWidget> fEditor;
  QSize fHint;
  bool fEnterPending = false;
};
