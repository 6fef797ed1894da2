#pragma once
// The "Graph Caption" dialog: the user's caption of the graph and whether it stands above
// or below the graph. The window takes both however the dialog closes.
#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

class TfrmGraphCaption : public QDialog {
  Q_OBJECT

 public:
  TfrmGraphCaption(const QString& caption, bool onTop, QWidget* parent = nullptr);

  QString Caption() const;
  bool OnTop() const;

  QLineEdit* CaptionEdit() const { return fCaption; }
  QRadioButton* TopButton() const { return fTop; }
  QRadioButton* BottomButton() const { return fBottom; }
  QPushButton* OkButton() const { return fOk; }

 private:
  QLineEdit* fCaption;
  QRadioButton* fTop;
  QRadioButton* fBottom;
  QPushButton* fOk;
};
