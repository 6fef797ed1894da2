#pragma once
// What the input windows need from the main window, passed when the main window registers
// them. Every member may be left empty; the windows then use the plain default named below.
#include <QString>
#include <QWidget>
#include <functional>

struct TDialogHost {
  // The command of the external text editor, which the control options edit. Empty: the
  // text editor field starts empty and what is typed in it goes nowhere.
  std::function<QString()> WordProcessor;
  std::function<void(const QString&)> SetWordProcessor;
  // Opens the t-z print depth table. Empty: the table's own editing window, modally.
  std::function<void()> EditTZDepths;
  // Asks for a program file, starting from `current`; an empty result means cancelled.
  // Empty: the standard open-file dialog.
  std::function<QString(QWidget* parent, const QString& current)> ChooseProgram;
};

// The t-z print depth table opened as the host says.
void EditTZDepthTable(const TDialogHost& host);
// A program file chosen as the host says; empty when cancelled.
QString ChooseProgramFile(const TDialogHost& host, QWidget* parent, const QString& current);
