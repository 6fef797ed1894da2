// The small input windows: what their fields show, what the write-back stores, the enabling
// rules, the entry check on deactivation and close, and the changed flag.
#include "InputDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "DialogTestSupport.h"
#include "TDataEdit.h"
#include "TDlgOptions.h"
#include "TDlgTZPrint.h"
#include "TdlgTitle.h"
#include "TfrmDesignCharts.h"
#include "TfrmDesignLoad.h"
#include "TfrmPenetration.h"
#include "TfrmSafetyFactor.h"
#include "TfrmShaftpeneta.h"
#include "TfrmVaryLength.h"
#include "TfrmWaterDepth.h"

namespace {

class InputDialogs : public DialogTest {
 protected:
  template <class TForm>
  std::unique_ptr<TForm> Open(TChildKind kind) {
    std::unique_ptr<TForm> form(dynamic_cast<TForm*>(MakeInputDialog(kind, fHost)));
    EXPECT_TRUE(form);
    form->show();
    form->FormActivate();
    fTables->SetDataChanged(false);
    return form;
  }

  QString fWordProcessor = QStringLiteral("/usr/bin/gedit");
  int fDepthEdits = 0;
  TDialogHost fHost{
      [this] { return fWordProcessor; },
      [this](const QString& command) { fWordProcessor = command; }, [this] { ++fDepthEdits; },
      [](QWidget*, const QString& current) { return current + QStringLiteral(".new"); }};
};

TEST_F(InputDialogs, FactoryMakesEveryInputWindowWithItsCaption) {
  struct Case {
    TChildKind Kind;
    const char* Caption;
  };
  for (const Case c :
       {Case{TChildKind::Title, "Project Title"}, Case{TChildKind::DSP, "Drilled-Shaft Properties"},
        Case{TChildKind::Options, "Control Options"},
        Case{TChildKind::ncPP, "Specification of Design Load"},
        Case{TChildKind::cPP, "Drilled Shaft Length"}, Case{TChildKind::PI, "Water Table"},
        Case{TChildKind::SP, "Factor of Safety (F.S.)"},
        Case{TChildKind::SoilLayers, "Soill Layers"},
        Case{TChildKind::ncvary, "Multiple Shaft Lengths"},
        Case{TChildKind::ncchart, "ASD/LRFD Design Charts"}}) {
    std::unique_ptr<TChildForm> form(MakeInputDialog(c.Kind, fHost));
    ASSERT_TRUE(form) << c.Caption;
    EXPECT_TRUE(IsInputDialogKind(c.Kind));
    EXPECT_EQ(form->Kind(), c.Kind);
    EXPECT_EQ(form->windowTitle(), QString::fromLatin1(c.Caption));
  }
  for (TChildKind kind : {TChildKind::Side, TChildKind::Block, TChildKind::Soil, TChildKind::TZ}) {
    EXPECT_EQ(MakeInputDialog(kind, fHost), nullptr);
    EXPECT_FALSE(IsInputDialogKind(kind));
  }
}

TEST_F(InputDialogs, ShaftPropertiesClampToTheirLimitsAndShowUnits) {
  Doc().DSTART = 35;
  Doc().DIALIM = 4;
  auto shaft = Open<TfrmShaftpeneta>(TChildKind::DSP);
  EXPECT_EQ(shaft->DataEdit(0)->text(), QStringLiteral("30"));
  EXPECT_EQ(shaft->LabelOf(shaft->DataEdit(0))->text(),
            QStringLiteral("Minimum Shaft Diameter, B, to be Considered (ft)"));
  EXPECT_EQ(shaft->LabelOf(shaft->DataEdit(6))->text(),
            QStringLiteral("&Modulus of Elasticity of Drilled Shaft  (lbs/in^2)"));
  EXPECT_EQ(shaft->LabelOf(shaft->DataEdit(2))->text(),
            QStringLiteral("&Ratio of Base Diameter to Shaft Diameter,  Bb/B"));
  EXPECT_EQ(shaft->DataEdit(0)->toolTip(),
            QStringLiteral("Practical minimum value is 2 ft or 0.6 m"));
  EXPECT_TRUE(shaft->FormDeactivate());
  EXPECT_EQ(Doc().DSTART, 30);
  EXPECT_TRUE(fTables->DataChanged());  // the stored diameter differs

  // Typing beyond a limit is refused with the limit.
  TypeAndStay(shaft->DataEdit(3), QStringLiteral("95"));
  EXPECT_FALSE(shaft->FormDeactivate());
  EXPECT_EQ(fMessages.LastText(), QStringLiteral("Entry must be less than or equal to 90"));
  EXPECT_EQ(shaft->DataEdit(3)->text(), QStringLiteral("90"));

  Doc().SetUnits(2);
  shaft->UnitsChanged();
  EXPECT_EQ(shaft->LabelOf(shaft->DataEdit(4))->text(),
            QStringLiteral("Length of &Upper Exclusion Zone without Skin Friction, Lue (m)"));
  EXPECT_EQ(shaft->DataEdit(1)->text(), QStringLiteral("1.2192"));
}

TEST_F(InputDialogs, MaximumDiameterIsOutOfUseForSeveralLengthsOfAGivenShaftLength) {
  struct Case {
    int Method, Ipent;
    bool Enabled;
  };
  for (const Case c : {Case{2, 1, false}, Case{2, 0, true}, Case{1, 1, true}}) {
    Doc().METHOD = c.Method;
    Doc().IPENT = c.Ipent;
    auto shaft = Open<TfrmShaftpeneta>(TChildKind::DSP);
    TDataEdit* maximum = shaft->DataEdit(1);
    EXPECT_EQ(maximum->isEnabled(), c.Enabled) << c.Method << c.Ipent;
    EXPECT_EQ(shaft->LabelOf(maximum)->isEnabled(), c.Enabled);
    for (QLabel* note : shaft->findChildren<QLabel*>()) {
      if (note->text() == QStringLiteral("(Enter 0 if same as minimum)")) {
        EXPECT_EQ(note->isVisible(), c.Enabled) << c.Method << c.Ipent;
      }
    }
  }
}

TEST_F(InputDialogs, ShaftLengthAndDesignLoadKeepOnlyOneOfThem) {
  Doc().LPD = 350;
  {
    auto length = Open<TfrmPenetration>(TChildKind::cPP);
    EXPECT_EQ(length->LabelOf(length->DataEdit1())->text(),
              QStringLiteral("Enter the proposed &length (ft)"));
    Type(length->DataEdit1(), QStringLiteral("50"));
    EXPECT_TRUE(fTables->DataChanged());  // typing marks the document changed
    EXPECT_TRUE(length->close());
  }
  EXPECT_EQ(Doc().PD, 50);
  EXPECT_EQ(Doc().LPD, 0);
  {
    auto load = Open<TfrmDesignLoad>(TChildKind::ncPP);
    EXPECT_EQ(load->LabelOf(load->DataEditL())->text(),
              QStringLiteral("Enter the &design load (tons)"));
    Type(load->DataEditL(), QStringLiteral("200"));
    EXPECT_TRUE(load->close());
  }
  EXPECT_EQ(Doc().LPD, 200);
  EXPECT_EQ(Doc().PD, 0);
  // A length of 0 leaves the load alone.
  {
    auto length = Open<TfrmPenetration>(TChildKind::cPP);
    EXPECT_TRUE(length->close());
  }
  EXPECT_EQ(Doc().LPD, 200);
}

TEST_F(InputDialogs, LoadingGroupStoresTheReductionOnlyForUplift) {
  struct Case {
    TChildKind Kind;
    bool Uplift;
    bool FactorEnabled;
    long double Stored;
  };
  for (const Case c :
       {Case{TChildKind::cPP, false, false, 1}, Case{TChildKind::cPP, true, true, 0.75L},
        Case{TChildKind::ncPP, false, true, 1}, Case{TChildKind::ncPP, true, true, 0.75L}}) {
    Doc().KCYCL = 2;
    Doc().RCYCL = 0.6L;
    auto form = Open<TLoadingDialog>(c.Kind);
    EXPECT_TRUE(form->OptCyclic()->isChecked());
    EXPECT_EQ(form->deRCYCL()->text(), QStringLiteral("0.6"));
    Type(form->deRCYCL(), QStringLiteral("0.75"));
    (c.Uplift ? form->OptCyclic() : form->OptStatic())->click();
    EXPECT_EQ(form->deRCYCL()->isEnabled(), c.FactorEnabled);
    EXPECT_TRUE(form->FormDeactivate());
    EXPECT_EQ(Doc().KCYCL, c.Uplift ? 2 : 1);
    EXPECT_EQ(Doc().RCYCL, c.Stored);
    EXPECT_TRUE(fTables->DataChanged());
  }
  // The factor is at most 1; compression shows the factor's own 1 in a fresh window.
  Doc().KCYCL = 1;
  Doc().RCYCL = 0.5L;
  auto length = Open<TfrmPenetration>(TChildKind::cPP);
  EXPECT_TRUE(length->OptStatic()->isChecked());
  EXPECT_EQ(length->deRCYCL()->text(), QStringLiteral("1"));
  EXPECT_FALSE(length->deRCYCL()->isEnabled());
  length->OptCyclicClick();
  TypeAndStay(length->deRCYCL(), QStringLiteral("1.5"));
  EXPECT_FALSE(length->FormDeactivate());
  EXPECT_EQ(fMessages.LastText(), QStringLiteral("Entry must be less than or equal to 1"));
  EXPECT_EQ(Doc().KCYCL, 1);
}

// A field left with an entry that is not a number keeps the window in front and the
// document as it was, and refuses the close.
TEST_F(InputDialogs, InvalidEntryKeepsTheWindowAndTheDocument) {
  struct Case {
    TChildKind Kind;
    int Field;
  };
  for (const Case c : {Case{TChildKind::DSP, 4}, Case{TChildKind::PI, 0}, Case{TChildKind::SP, 1},
                       Case{TChildKind::cPP, 0}, Case{TChildKind::ncPP, 0}}) {
    ProgramData = TProgramData::Create(*fTables);
    auto form = Open<TInputDialog>(c.Kind);
    Type(form->Entries()[0], QStringLiteral("7"));
    TypeAndStay(form->Entries()[std::size_t(c.Field)], QStringLiteral("2+"));
    const QByteArray before = Doc().FileText();
    fMessages.Clear();
    EXPECT_FALSE(form->FormDeactivate()) << form->windowTitle().toStdString();
    EXPECT_EQ(fMessages.Messages().size(), 1);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Doc().FileText(), before) << form->windowTitle().toStdString();
    Type(form->Entries()[std::size_t(c.Field)], QStringLiteral("2"));
    EXPECT_TRUE(form->close());
  }
}

// Control options, multiple lengths and design charts write back on deactivation without
// the check (a field that is not a number keeps the document's value); the close checks.
TEST_F(InputDialogs, WindowsWithoutTheDeactivationCheckStoreWhatTheyCan) {
  struct Case {
    TChildKind Kind;
    int Good, Bad;
    long double TProgramData::*GoodValue;
    long double TProgramData::*BadValue;
  };
  for (const Case c :
       {Case{TChildKind::Options, 0, 1, &TProgramData::PINC, &TProgramData::ValElevation},
        Case{TChildKind::ncvary, 2, 1, &TProgramData::PDINCR, &TProgramData::PDMIN},
        Case{TChildKind::ncchart, 3, 0, &TProgramData::DIAMINCR, &TProgramData::PD}}) {
    ProgramData = TProgramData::Create(*fTables);
    Doc().IChart = Doc().IPENT = Doc().UseElevation = 1;
    Doc().*c.BadValue = 11;
    auto form = Open<TInputDialog>(c.Kind);
    Type(form->Entries()[std::size_t(c.Good)], QStringLiteral("4"));
    TypeAndStay(form->Entries()[std::size_t(c.Bad)], QStringLiteral("x"));
    fMessages.Clear();
    EXPECT_TRUE(form->FormDeactivate());
    EXPECT_TRUE(fMessages.Messages().isEmpty());
    EXPECT_EQ(Doc().*c.GoodValue, 4);
    EXPECT_EQ(Doc().*c.BadValue, 11);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(fMessages.Messages().size(), 1);
  }
}

TEST_F(InputDialogs, ControlOptionsStoreEveryChoiceAndTheTextEditor) {
  Doc().IMOD = 1;
  Doc().ValElevation = 102.5L;
  auto options = Open<TDlgOptions>(TChildKind::Options);
  EXPECT_TRUE(options->RadioButton1()->isChecked());
  EXPECT_FALSE(options->CheckBox2()->isChecked());
  // Unchecked, the elevation field is out of use but still written back.
  EXPECT_FALSE(options->DataEdit2()->isEnabled());
  EXPECT_EQ(options->DataEdit2()->text(), QStringLiteral("102.5"));
  EXPECT_EQ(options->EdtWord()->text(), QStringLiteral("/usr/bin/gedit"));
  EXPECT_FALSE(options->EditDepths()->isEnabled());

  options->RadioButton2()->click();
  options->ChkPrint()->click();
  EXPECT_TRUE(options->EditDepths()->isEnabled());
  options->EditDepths()->click();
  EXPECT_EQ(fDepthEdits, 1);
  options->BrowseClick();
  EXPECT_EQ(options->EdtWord()->text(), QStringLiteral("/usr/bin/gedit.new"));
  options->CheckBox2()->click();
  EXPECT_TRUE(options->DataEdit2()->isEnabled());
  options->CheckBox2()->click();
  Doc().ValElevation = 0;
  EXPECT_TRUE(options->FormDeactivate());
  EXPECT_EQ(Doc().IMOD, 0);
  EXPECT_EQ(Doc().PrintTZCurves, 1);
  EXPECT_EQ(Doc().UseElevation, 0);
  EXPECT_EQ(Doc().ValElevation, 102.5L);
  EXPECT_EQ(fWordProcessor, QStringLiteral("/usr/bin/gedit.new"));
  // The choices changed the document, so it is marked changed.
  EXPECT_TRUE(fTables->DataChanged());

  // A write-back that changes nothing does not.
  fTables->SetDataChanged(false);
  options->FormActivate();
  EXPECT_TRUE(options->FormDeactivate());
  EXPECT_FALSE(fTables->DataChanged());
}

TEST_F(InputDialogs, MultipleLengthsAreInUseOnlyWhenChecked) {
  auto vary = Open<TfrmVaryLength>(TChildKind::ncvary);
  EXPECT_FALSE(vary->CheckBox1()->isChecked());
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(vary->DataEdit(i)->isEnabled());
  EXPECT_EQ(vary->LabelOf(vary->DataEdit(1))->text(),
            QStringLiteral("Minimum &shaft length  (ft)"));
  vary->CheckBox1()->click();
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(vary->DataEdit(i)->isEnabled());
  Type(vary->DataEdit(0), QStringLiteral("40"));
  Type(vary->DataEdit(1), QStringLiteral("30"));
  Type(vary->DataEdit(2), QStringLiteral("2"));
  EXPECT_TRUE(vary->close());
  EXPECT_EQ(Doc().IPENT, 1);
  EXPECT_EQ(Doc().PD, 40);
  EXPECT_EQ(Doc().PDMIN, 30);
  EXPECT_EQ(Doc().PDINCR, 2);
}

TEST_F(InputDialogs, DesignChartPointsResizeTheSettlementGrid) {
  auto charts = Open<TfrmDesignCharts>(TChildKind::ncchart);
  QTableWidget* grid = charts->StringGrid1();
  EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Settlement (in)"));
  EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("N"));
  ASSERT_EQ(grid->rowCount(), 5);  // a new document: 5 points
  EXPECT_EQ(grid->item(1, 1)->text(), QStringLiteral("0.25"));
  EXPECT_EQ(grid->item(4, 0)->text(), QStringLiteral("5"));
  EXPECT_FALSE(grid->isEnabled());  // charts off: everything but the check box is out of use
  charts->CheckBox1()->click();
  EXPECT_TRUE(grid->isEnabled());

  grid->item(1, 1)->setText(QStringLiteral("0.3"));
  Type(charts->EditNumber(), QStringLiteral("3"));
  ASSERT_EQ(grid->rowCount(), 3);
  charts->UpButton()->click();
  EXPECT_EQ(charts->EditNumber()->text(), QStringLiteral("4"));
  EXPECT_EQ(grid->item(3, 1)->text(), QStringLiteral("0.75"));  // the cells are kept
  charts->DownButton()->click();
  EXPECT_EQ(grid->rowCount(), 3);
  Type(charts->EditNumber(), QStringLiteral("10"));
  EXPECT_EQ(grid->item(9, 1)->text(), QStringLiteral("1"));
  charts->UpButton()->click();
  EXPECT_EQ(grid->rowCount(), 10);
  Type(charts->EditNumber(), QStringLiteral("11"));
  EXPECT_EQ(fMessages.LastText(), QStringLiteral("Entry must be less than or equal to 10"));
  EXPECT_EQ(grid->rowCount(), 10);

  // Three points store three settlements from the first three rows.
  Type(charts->EditNumber(), QStringLiteral("3"));
  Doc().PDSETT[3] = 7;
  EXPECT_TRUE(charts->close());
  EXPECT_EQ(Doc().IChart, 1);
  EXPECT_EQ(Doc().NPOINTPD, 3);
  EXPECT_EQ(Doc().PDSETT[0], 0.1L);
  EXPECT_EQ(Doc().PDSETT[1], 0.3L);
  EXPECT_EQ(Doc().PDSETT[2], 0.5L);
  EXPECT_EQ(Doc().PDSETT[3], 7);
}

// Tab from the arrows enters the settlement grid at a settlement, which the user types at
// once; Tab goes on to the Close button and comes back; the arrow keys move between cells.
TEST_F(InputDialogs, TabEntersAndLeavesTheSettlementGrid) {
  Doc().IChart = 1;
  auto charts = Open<TfrmDesignCharts>(TChildKind::ncchart);
  charts->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(charts.get()));
  QTableWidget* grid = charts->StringGrid1();
  charts->DownButton()->setFocus();
  QTest::keyClick(charts->DownButton(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), grid);
  // Each key goes where the keyboard is: the first opens the cell's editor.
  for (char key : {'0', '.', '4'}) QTest::keyClick(QApplication::focusWidget(), key);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QApplication::processEvents();  // the cell's editor commits after the key
  EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("0.4"));
  ASSERT_EQ(QApplication::focusWidget(), grid);

  grid->setCurrentCell(grid->rowCount() - 1, 1);
  QTest::keyClick(grid, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), charts->findChild<QPushButton*>(QStringLiteral("Button1")));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), grid);
  QTest::keyClick(grid, Qt::Key_Up);
  EXPECT_EQ(grid->currentRow(), grid->rowCount() - 2);
  EXPECT_TRUE(charts->FormDeactivate());
  EXPECT_EQ(Doc().PDSETT[0], 0.4L);
}

TEST_F(InputDialogs, SettlementThatIsNotANumberStopsTheWriteBackThere) {
  Doc().IChart = 1;
  auto charts = Open<TfrmDesignCharts>(TChildKind::ncchart);
  QTableWidget* grid = charts->StringGrid1();
  grid->item(0, 1)->setText(QStringLiteral("0.2"));
  grid->item(1, 1)->setText(QStringLiteral("half"));
  grid->item(2, 1)->setText(QStringLiteral("0.9"));
  EXPECT_FALSE(charts->FormDeactivate());
  EXPECT_EQ(fMessages.LastText(), QStringLiteral("'half' is not a valid floating point value"));
  EXPECT_EQ(Doc().PDSETT[0], 0.2L);
  EXPECT_EQ(Doc().PDSETT[1], 0.25L);
  EXPECT_EQ(Doc().PDSETT[2], 0.5L);
  EXPECT_FALSE(charts->close());
  grid->item(1, 1)->setText(QStringLiteral("0.4"));
  EXPECT_TRUE(charts->close());
  EXPECT_EQ(Doc().PDSETT[2], 0.9L);
}

TEST_F(InputDialogs, DesignChartsOfAFileWithoutPointsShowOnePoint) {
  Doc().NPOINTPD = 0;
  Doc().SetUnits(2);
  auto charts = Open<TfrmDesignCharts>(TChildKind::ncchart);
  EXPECT_EQ(charts->StringGrid1()->horizontalHeaderItem(1)->text(),
            QStringLiteral("Settlement (m)"));
  EXPECT_EQ(charts->EditNumber()->text(), QStringLiteral("1"));
  EXPECT_EQ(charts->StringGrid1()->rowCount(), 1);
  EXPECT_EQ(charts->StringGrid1()->item(0, 1)->text(), QStringLiteral("1"));
  EXPECT_TRUE(charts->FormDeactivate());
  EXPECT_EQ(Doc().NPOINTPD, 1);
}

TEST_F(InputDialogs, TitleReplacesADifferentTextAndKeepsLongTitles) {
  auto title = Open<TdlgTitle>(TChildKind::Title);
  EXPECT_EQ(title->TitleEdit()->text(), QStringLiteral("New Pile"));
  EXPECT_TRUE(title->FormDeactivate());
  EXPECT_FALSE(fTables->DataChanged());
  title->TitleEdit()->clear();
  QTest::keyClicks(title->TitleEdit(), QString(90, QLatin1Char('x')));
  EXPECT_EQ(title->TitleEdit()->text().size(), 80);
  EXPECT_TRUE(title->FormDeactivate());
  EXPECT_EQ(Doc().Title, QString(80, QLatin1Char('x')));
  EXPECT_TRUE(fTables->DataChanged());

  // A longer title read from a file is shown and kept whole.
  Doc().Title = QString(95, QLatin1Char('y'));
  title->FormActivate();
  EXPECT_TRUE(title->FormDeactivate());
  EXPECT_EQ(Doc().Title.size(), 95);
}

TEST_F(InputDialogs, WaterTableAndFactorsOfSafety) {
  {
    auto water = Open<TfrmWaterDepth>(TChildKind::PI);
    EXPECT_EQ(water->LabelOf(water->DataEdit1())->text(),
              QStringLiteral("&Depth of water table (ft)"));
    Type(water->DataEdit1(), QStringLiteral("-2"));  // no lower limit
    EXPECT_TRUE(water->close());
    EXPECT_EQ(Doc().WTD, -2);
  }
  auto safety = Open<TfrmSafetyFactor>(TChildKind::SP);
  EXPECT_EQ(safety->DataEdit1()->text(), QStringLiteral("2.5"));
  EXPECT_EQ(safety->LabelOf(safety->DataEdit2())->text(),
            QStringLiteral("The F.S. applied to the ultimate &base capacity"));
  Type(safety->DataEdit2(), QStringLiteral("2"));
  EXPECT_TRUE(safety->close());
  EXPECT_EQ(Doc().FSB, 2);
  EXPECT_EQ(Doc().FST, 2.5L);
}

TEST_F(InputDialogs, TZPrintOptionsStoreTheCheckOnClose) {
  TDlgTZPrint tz(fHost);
  tz.FormActivate();
  EXPECT_EQ(tz.windowTitle(), QStringLiteral("Option of Printing t-z Curves"));
  EXPECT_FALSE(tz.ChkPrint()->isChecked());
  EXPECT_FALSE(tz.EditDepths()->isEnabled());
  tz.ChkPrint()->click();
  EXPECT_TRUE(tz.EditDepths()->isEnabled());
  tz.EditDepths()->click();
  EXPECT_EQ(fDepthEdits, 1);
  tz.show();
  tz.CloseClick();
  EXPECT_EQ(Doc().PrintTZCurves, 1);
  EXPECT_TRUE(fTables->DataChanged());
}

// In the main window's area the "Close" button closes the window's frame, and a refused
// entry keeps the frame open.
TEST_F(InputDialogs, CloseButtonClosesTheFrameInTheMainWindowsArea) {
  QMdiArea area;
  area.resize(900, 700);
  area.show();
  auto* water = static_cast<TfrmWaterDepth*>(MakeInputDialog(TChildKind::PI, fHost));
  QMdiSubWindow* frame = area.addSubWindow(water);
  frame->setAttribute(Qt::WA_DeleteOnClose);
  QPointer<QMdiSubWindow> alive = frame;
  int closed = 0;
  QObject::connect(water, &TChildForm::Closed, [&closed] { ++closed; });
  frame->show();
  water->FormActivate();
  TypeAndStay(water->DataEdit1(), QStringLiteral("ten"));
  water->CloseClick();
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(closed, 0);
  Type(water->DataEdit1(), QStringLiteral("10"));
  water->CloseClick();
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(Doc().WTD, 10);
  QApplication::processEvents(QEventLoop::AllEvents);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(alive);
}

}  // namespace
