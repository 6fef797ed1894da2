// The soil-layer editor as a user drives it: headings and columns by unit system and design
// method, the drop-downs and fields of each row, the layer buttons and the deletion
// question, the parameters dialog it opens, and the store on deactivation and close.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "DialogTestSupport.h"
#include "TDataEdit.h"
#include "TDlgSoilLayers.h"
#include "TDlgSoils.h"
#include "TGridTable.h"

namespace {

using Col = TDlgSoilLayers;

class SoilLayerEditor : public DialogTest {
 protected:
  std::unique_ptr<TDlgSoilLayers> Open() {
    auto editor = std::make_unique<TDlgSoilLayers>();
    editor->show();
    // The active window: focus changes are real, so touching a control makes its row the
    // focus row.
    editor->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    editor->FormActivate();
    return editor;
  }
  static QString Heading(const TDlgSoilLayers& e, int col) {
    return e.Grid()->horizontalHeaderItem(col)->text();
  }
};

TEST_F(SoilLayerEditor, HeadingsFollowTheUnitsAndLrfdColumnsTheMethod) {
  SetLayers({kSoilSand, kSoilClay});
  auto editor = Open();
  EXPECT_EQ(editor->windowTitle(), QStringLiteral("Soill Layers"));
  EXPECT_EQ(Heading(*editor, Col::kColButton), QStringLiteral("  Layer \n"));
  EXPECT_EQ(Heading(*editor, Col::kColBottom),
            QStringLiteral("Depth at Bottom * \n of each layer (ft) "));
  EXPECT_EQ(Heading(*editor, Col::kColMaxSide),
            QStringLiteral("Max. Side Friction ** \n       (lb/ft^2)    "));
  EXPECT_TRUE(editor->Grid()->isColumnHidden(Col::kColSideFactor));
  EXPECT_TRUE(editor->Grid()->isColumnHidden(Col::kColEndFactor));
  EXPECT_EQ(editor->EditButton(1)->text(), QStringLiteral("Edit Layer 2"));
  EXPECT_EQ(editor->SoilTypeBox(1)->currentText(), QStringLiteral("clay (FHWA Spec.)"));
  EXPECT_EQ(editor->SoilTypeBox(0)->count(), 9);
  EXPECT_EQ(editor->SoilTypeBox(0)->itemText(2), QStringLiteral("shale (Reese &Aurora)"));
  EXPECT_EQ(editor->Entry(1, Col::kColBottom)->text(), QStringLiteral("20"));

  // The unit system changes while the editor is open: it shows the converted values.
  Doc().SetUnits(2);
  editor->UnitsChanged();
  EXPECT_EQ(Heading(*editor, Col::kColBottom),
            QStringLiteral("Depth at Bottom * \n of each layer (m) "));
  EXPECT_EQ(Heading(*editor, Col::kColMaxEnd),
            QStringLiteral("Max. End Bearing ** \n       (kN/m^2)    "));
  EXPECT_EQ(editor->Entry(1, Col::kColBottom)->text(), QStringLiteral("6.096"));

  Doc().NLRFD = 1;
  editor->FormActivate();
  EXPECT_FALSE(editor->Grid()->isColumnHidden(Col::kColSideFactor));
  EXPECT_EQ(Heading(*editor, Col::kColEndFactor),
            QStringLiteral("LRFD Res. Factor\n (End Bearing) "));
  EXPECT_EQ(editor->Entry(0, Col::kColSideFactor)->text(), QStringLiteral("1"));
}

TEST_F(SoilLayerEditor, FieldsReachTheLayerTableOnDeactivationAndInvalidEntriesStopIt) {
  SetLayers({kSoilSand, kSoilClay});
  auto editor = Open();
  Type(editor->Entry(1, Col::kColBottom), QStringLiteral("2*17.5"));
  EXPECT_EQ(editor->Entry(1, Col::kColBottom)->text(), QStringLiteral("35"));
  EXPECT_EQ(editor->Layers().FocusRow(), 1);
  EXPECT_EQ(D().GetFloatValue(kLayerBottom, 1), 20);
  EXPECT_TRUE(editor->FormDeactivate());
  EXPECT_EQ(D().GetFloatValue(kLayerBottom, 1), 35);

  // A focused field with an entry that is not a number: told, nothing stored, no close.
  Type(editor->Entry(0, Col::kColMaxSide), QStringLiteral("500"));
  TypeAndStay(editor->Entry(1, Col::kColMaxEnd), QStringLiteral("9OO"));
  fMessages.Clear();
  EXPECT_FALSE(editor->FormDeactivate());
  EXPECT_EQ(fMessages.Messages().size(), 1);
  EXPECT_EQ(D().GetFloatValue(kLayerMaxSideFriction, 0), 0);
  EXPECT_FALSE(editor->close());
  EXPECT_TRUE(editor->isVisible());
  EXPECT_EQ(D().GetFloatValue(kLayerMaxSideFriction, 0), 0);

  Type(editor->Entry(1, Col::kColMaxEnd), QStringLiteral("900"));
  EXPECT_TRUE(editor->close());
  EXPECT_EQ(D().GetFloatValue(kLayerMaxSideFriction, 0), 500);
  EXPECT_EQ(D().GetFloatValue(kLayerMaxEndBearing, 1), 900);
}

TEST_F(SoilLayerEditor, ButtonsAddInsertAndDeleteWithTheDeletionQuestion) {
  SetLayers({kSoilSand, kSoilClay, kSoilShale});
  auto editor = Open();

  // "Confirm Deletion" ticked: the question names the focused layer; No keeps it.
  EXPECT_TRUE(editor->ConfirmDeletion()->isChecked());
  editor->SoilTypeBox(1)->setFocus();  // touching a row makes it the focus row
  EXPECT_EQ(editor->Layers().FocusRow(), 1);
  fMessages.QueueAnswer(QMessageBox::No);
  editor->DeleteButton()->click();
  ASSERT_EQ(fMessages.Messages().size(), 1);
  EXPECT_EQ(fMessages.Messages()[0].Kind, TMessageKind::Question);
  EXPECT_EQ(fMessages.LastText(), QStringLiteral("Do you want to delete soil layer in row 2"));
  EXPECT_EQ(D().RowCount(), 3);
  fMessages.QueueAnswer(QMessageBox::Yes);
  editor->DeleteButton()->click();
  EXPECT_EQ(D().RowCount(), 2);
  EXPECT_EQ(D().GetIntValue(kLayerSoilType, 1), kSoilShale);
  EXPECT_EQ(editor->Grid()->rowCount(), 2);
  EXPECT_EQ(editor->SoilTypeBox(1)->currentIndex(), kSoilShale - 1);

  // Cleared, it deletes without asking, down to no layer at all.
  fMessages.Clear();
  editor->ConfirmDeletion()->click();
  editor->DeleteButton()->click();
  editor->DeleteButton()->click();
  EXPECT_TRUE(fMessages.Messages().isEmpty());
  EXPECT_EQ(D().RowCount(), 0);
  EXPECT_FALSE(editor->DeleteButton()->isEnabled());

  // Forty layers disable add and insert.
  while (editor->AddButton()->isEnabled()) editor->AddButton()->click();
  EXPECT_EQ(D().RowCount(), 40);
  EXPECT_EQ(editor->Grid()->rowCount(), 40);
  EXPECT_FALSE(editor->InsertButton()->isEnabled());
  EXPECT_TRUE(editor->DeleteButton()->isEnabled());
  EXPECT_EQ(editor->EditButton(39)->text(), QStringLiteral("Edit Layer 40"));
}

TEST_F(SoilLayerEditor, SoilTypeDropDownAndEditButtonWorkOnTheRowsLayer) {
  SetLayers({kSoilSand, kSoilDecomposedRock});
  Layer(1).SetFloatValue(DecomposedColumn::YoungModulus, kRowTop, 20000);
  auto editor = Open();
  editor->SoilTypeBox(1)->setCurrentIndex(kSoilStrongRock - 1);
  emit editor->SoilTypeBox(1)->activated(kSoilStrongRock - 1);
  EXPECT_EQ(D().GetIntValue(kLayerSoilType, 1), kSoilStrongRock);
  EXPECT_EQ(Layer(1).GetFloatValue(StrongRockColumn::SocketDiameter, kRowTop), 20000);

  WhileModal([&] { return static_cast<QDialog*>(editor->SoilsDialog()); },
             [&](QDialog* dialog) {
               auto* soils = static_cast<TDlgSoils*>(dialog);
               EXPECT_EQ(soils->windowTitle(), QStringLiteral("Data for Layer 2"));
               EXPECT_TRUE(soils->Pages()->isTabVisible(kPageRock));
               EXPECT_EQ(soils->Pages()->tabText(kPageRock), QStringLiteral("Rock"));
               EXPECT_EQ(soils->TopEntry(kPageRock, 4)->text(), QStringLiteral("20000"));
               Type(soils->TopEntry(kPageRock, 4), QStringLiteral("3"));
               soils->CloseClick();
             });
  editor->EditButton(1)->click();
  EXPECT_EQ(Layer(1).GetFloatValue(StrongRockColumn::SocketDiameter, kRowTop), 3);
  EXPECT_EQ(editor->Layers().FocusRow(), 1);

  // The dialog is made once and kept.
  TDlgSoils* first = editor->SoilsDialog();
  WhileModal([&] { return static_cast<QDialog*>(editor->SoilsDialog()); },
             [&](QDialog* dialog) {
               EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Data for Layer 1"));
               EXPECT_TRUE(static_cast<TDlgSoils*>(dialog)->Pages()->isTabVisible(kPageSand));
               Type(static_cast<TDlgSoils*>(dialog)->TopEntry(kPageSand, 1), QStringLiteral("0.5"));
               static_cast<TDlgSoils*>(dialog)->CloseClick();
             });
  editor->EditButton(0)->click();
  EXPECT_EQ(editor->SoilsDialog(), first);
}

// Tab goes from the last field of a row to the next row and from the last row on to the
// buttons below, and back: the keyboard reaches every control of the editor.
TEST_F(SoilLayerEditor, TabGoesThroughTheRowsAndOnToTheButtons) {
  SetLayers({kSoilSand, kSoilClay});
  auto editor = Open();
  auto tab = [](Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
    return QApplication::focusWidget();
  };
  editor->Entry(0, Col::kColMaxEnd)->setFocus();
  EXPECT_EQ(tab(Qt::Key_Tab), editor->EditButton(1));
  EXPECT_EQ(tab(Qt::Key_Tab), editor->SoilTypeBox(1));
  editor->Entry(1, Col::kColMaxEnd)->setFocus();
  EXPECT_EQ(tab(Qt::Key_Tab), editor->AddButton());
  EXPECT_EQ(tab(Qt::Key_Backtab), editor->Entry(1, Col::kColMaxEnd));

  // A row added later takes its place after the others.
  editor->AddButton()->click();
  editor->Entry(1, Col::kColMaxEnd)->setFocus();
  EXPECT_EQ(tab(Qt::Key_Tab), editor->EditButton(2));
  EXPECT_TRUE(fMessages.Messages().isEmpty());
}

}  // namespace
