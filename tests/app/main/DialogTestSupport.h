#pragma once
// Shared pieces of the input-window tests: a fresh document on its own soil-profile tables
// with the message boxes captured, typing into fields as a user does, running a modal
// dialog from inside, and saving screenshots.
#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <memory>
#include <ostream>

#include "TMessageCapture.h"
#include "TProgramData.h"
#include "TSoilProfileTables.h"

class QDialog;
class QWidget;
class TDataEdit;
class TGridTable;

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

class DialogTest : public ::testing::Test {
 protected:
  DialogTest();
  ~DialogTest() override;

  TProgramData& Doc() { return *ProgramData; }
  TGridTable& D() { return fTables->D(); }
  // The parameter table of layer `row` of D.
  TGridTable& Layer(int row);
  // D gets these soil types, from the top down (bottom depths 10, 20, ...).
  void SetLayers(std::initializer_list<int> types);

  TMessageCapture fMessages;
  std::unique_ptr<TSoilProfileTables> fTables;
};

// Types `text` into an empty field and leaves it (the field's exit check runs).
void Type(TDataEdit* entry, const QString& text);
// Types into a field and stays in it: the field has the focus, its entry unchecked.
void TypeAndStay(TDataEdit* entry, const QString& text);

// Runs `inside` as soon as the next modal dialog runs (from a click that opens it); a
// dialog that `inside` leaves open is hidden afterwards, and the test fails.
void WhileModal(std::function<QDialog*()> dialog, std::function<void(QDialog*)> inside);

// Shows the window and saves its picture as build/screenshots/<name>.
void SaveScreenshot(QWidget* window, const QString& name);
