#pragma once
// The about window: the program's name and version and the maker's lines that head every
// report. Made once with the main window and shown modally by "&About...".
#include <QDialog>

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);
};
