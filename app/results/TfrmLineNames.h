#pragma once
// The "Legend" dialog: renames the lines of a plot. The list holds every data line's name,
// active or not; the field below edits the selected one, in the colour of its list position.
// Enter in the field, or leaving it, puts the text into the list; an empty name is refused.
#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QPushButton;

class TfrmLineNames : public QDialog {
  Q_OBJECT

 public:
  // The client area never shrinks below this.
  static constexpr int kMinimumWidth = 195;
  static constexpr int kMinimumHeight = 167;

  explicit TfrmLineNames(const QStringList& names, QWidget* parent = nullptr);

  // The names as edited, in line order.
  QStringList Names() const;

  QListWidget* List() const { return fList; }
  QLineEdit* NameEdit() const { return fName; }
  QPushButton* OkButton() const { return fOk; }
  QPushButton* CancelButton() const { return fCancel; }

 private:
  void ListSelect();
  void NameEditDone();

  QListWidget* fList;
  QLineEdit* fName;
  QPushButton* fOk;
  QPushButton* fCancel;
  bool fTelling = false;
};
