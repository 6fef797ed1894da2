// Typing into a cell of a table window as a user does.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QTest>

#include "TTableGrid.h"

namespace tvx::test {

// Types `text` into grid cell (row, col) and presses Enter.
inline void TypeIntoCell(TTableGrid* grid, int row, int col, const QString& text) {
  grid->setCurrentCell(row, col);
  grid->editItem(grid->item(row, col));
  QApplication::processEvents();
  auto* editor = qobject_cast<QLineEdit*>(grid->Editor());
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();
  QApplication::processEvents();
}

}  // namespace tvx::test
