#pragma once
// The "Active Curves" dialog: which lines of a plot take part in its legend, menu and
// drawing. Each row is a flag (" yes : " or " no  : ") and the line's name.
#include <QDialog>
#include <QStringList>
#include <vector>

class QListWidget;
class QPushButton;

class TfrmActiveLines : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMinimumWidth = 190;
  static constexpr int kMinimumHeight = 234;

  // Every data line's name and whether it is active, in line order.
  TfrmActiveLines(const QStringList& names, const std::vector<bool>& active,
                  QWidget* parent = nullptr);

  // The flags as set, in line order.
  std::vector<bool> Active() const { return fActive; }

  QListWidget* List() const { return fList; }
  QPushButton* ToggleSelectedButton() const { return fToggleSelected; }
  QPushButton* ActivateAllButton() const { return fActivateAll; }
  QPushButton* DeactivateAllButton() const { return fDeactivateAll; }
  QPushButton* OkButton() const { return fOk; }
  QPushButton* CancelButton() const { return fCancel; }

  // The text of a row: flag, three blanks, name.
  static QString RowText(bool active, const QString& name);

 private:
  void SetFlag(int row, bool active);
  void ToggleSelectedClick();
  void SetAll(bool active);

  QStringList fNames;
  std::vector<bool> fActive;
  QListWidget* fList;
  QPushButton* fToggleSelected;
  QPushButton* fActivateAll;
  QPushButton* fDeactivateAll;
  QPushButton* fOk;
  QPushButton* fCancel;
};
