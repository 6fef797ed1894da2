#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "GridTyping.h"
#include "TMessageCapture.h"
#include "TTableForm.h"
#include "TTableGrid.h"
#include "TTableResource.h"
#include "TableFixture.h"

namespace {

using Tables = std::vector<std::unique_ptr<TGridTable>>;
using tvx::test::TypeIntoCell;

Tables LoadFixture() { return TTableResource::Load(QStringLiteral(":/tables/TestTables.tbl")); }

TEST(TableForm, EditsCellsAndRowGroupsOfAnOpenWindow) {
  TMessageCapture capture;
  const Tables tables = LoadFixture();
  TGridTable& layers = *tables[2];
  layers.Show();
  TTableForm* form = layers.Form();
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Soil Layer Data"));
  TTableGrid* grid = form->Grid();
  EXPECT_EQ(grid->columnCount(), 4);
  EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(),
            QStringLiteral("Depth at Bottom \nof each Layer (ft)  "));

  // A bad entry: the message, the stored value kept, the selection stays.
  layers.SetFloatValue(kLayerDepth, 0, 5);
  TypeIntoCell(grid, 0, 1, QStringLiteral("ten"));
  ASSERT_FALSE(capture.Messages().isEmpty());
  EXPECT_EQ(capture.Messages()[0].Text, QStringLiteral("ten is not a valid number."));
  EXPECT_EQ(layers.GetFloatValue(kLayerDepth, 0), 5);
  EXPECT_EQ(grid->currentRow(), 0);
  EXPECT_EQ(grid->currentColumn(), 1);
  // The window refuses to close with the refused entry in it.
  capture.Clear();
  EXPECT_FALSE(form->close());
  EXPECT_EQ(capture.LastText(), QStringLiteral("ten is not a valid number."));

  // A good entry is stored and shown in its normal form; Enter moves down (one row: to
  // the next column).
  capture.Clear();
  TypeIntoCell(grid, 0, 1, QStringLiteral("2*6"));
  EXPECT_TRUE(capture.Messages().isEmpty()) << capture.LastText().toStdString();
  EXPECT_EQ(layers.GetFloatValue(kLayerDepth, 0), 12);
  EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("12"));
  EXPECT_TRUE(layers.Changed());

  // Add and delete a row group with the buttons.
  EXPECT_FALSE(form->DeleteButton()->isEnabled());
  QTest::mouseClick(form->AddButton(), Qt::LeftButton);
  EXPECT_EQ(layers.RowCount(), 2);
  EXPECT_EQ(grid->rowCount(), 2);
  EXPECT_EQ(grid->model()->headerData(1, Qt::Vertical).toString(), QStringLiteral("2"));
  EXPECT_TRUE(form->DeleteButton()->isEnabled());
  auto* button = qobject_cast<QPushButton*>(grid->cellWidget(1, 2));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), QStringLiteral("2: Sand Layer Data"));
  grid->setCurrentCell(0, 1);
  QTest::mouseClick(form->DeleteButton(), Qt::LeftButton);
  EXPECT_EQ(layers.RowCount(), 1);
  EXPECT_EQ(grid->rowCount(), 1);
  EXPECT_EQ(layers.GetFloatValue(kLayerDepth, 0), 0);  // the first group went
  EXPECT_TRUE(capture.Messages().isEmpty()) << capture.LastText().toStdString();

  // The drop-down of the soil type replaces the layer's table.
  auto* type = qobject_cast<QComboBox*>(grid->cellWidget(0, 0));
  ASSERT_NE(type, nullptr);
  EXPECT_EQ(type->count(), 3);
  type->setCurrentIndex(1);
  emit type->activated(1);
  EXPECT_EQ(layers.GetIntValue(kLayerType, 0), 2);
  EXPECT_EQ(qobject_cast<QPushButton*>(grid->cellWidget(0, 2))->text(),
            QStringLiteral("1: Clay Layer Data"));

  EXPECT_TRUE(form->close());
  QApplication::processEvents();
  EXPECT_EQ(layers.Form(), nullptr);
}

// While the window is open, an integer cell holds a whole number within its range.
TEST(TableForm, IntegerCellOfAnOpenWindowKeepsItsRange) {
  TMessageCapture capture;
  const Tables tables = LoadFixture();
  TGridTable& sand = *tables[0];
  sand.Show();
  TTableForm* form = sand.Form();
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  EXPECT_FALSE(form->AddButton()->isVisible());  // 2 to 2 rows: no row buttons
  EXPECT_EQ(form->Grid()->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));

  struct Case {
    const char* Text;
    const char* Message;
    int Stored;
  };
  for (const Case c : {Case{"2.5", "Entry must be an integer.", 5},
                       Case{"150", "Entry must be between 0 and 100.", 5}, Case{"100", "", 100}}) {
    capture.Clear();
    TypeIntoCell(form->Grid(), 1, 1, QString::fromLatin1(c.Text));
    if (*c.Message) {
      ASSERT_FALSE(capture.Messages().isEmpty()) << c.Text;
      EXPECT_EQ(capture.Messages()[0].Text, QString::fromLatin1(c.Message));
    } else {
      EXPECT_TRUE(capture.Messages().isEmpty()) << c.Text;
    }
    EXPECT_EQ(sand.GetIntValue(1, 1), c.Stored) << c.Text;
  }
  EXPECT_TRUE(form->close());
}

TEST(TableForm, TableWithoutVisibleColumnsOpensNoWindow) {
  TGridTable t;
  t.AddColumn<TFloatColumn>()->SetVisible(false);
  t.Show();
  EXPECT_EQ(t.Form(), nullptr);
}

TEST(TableForm, DestroyingTheTableClosesItsWindow) {
  auto t = std::make_unique<TGridTable>();
  t->AddColumn<TFloatColumn>();
  t->Show();
  QPointer<TTableForm> form = t->Form();
  ASSERT_TRUE(form);
  t.reset();
  EXPECT_FALSE(form);
}

}  // namespace
