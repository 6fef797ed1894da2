// The plot window as the engineer uses it: opened and closed through its plot, hosted in the
// main window's area or on its own, the Plot menu and its shortcut, the legend list, the mouse
// read-out and zoom, the three dialogs, printing to PDF and saving pictures.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <limits>
#include <memory>

#include "DialogAnswers.h"
#include "DrawPlot.h"
#include "PlotFormFactory.h"
#include "PlotLayout.h"
#include "PlotPalette.h"
#include "PlotScale.h"
#include "TDataEdit.h"
#include "TGraphPlot.h"
#include "TMessageCapture.h"
#include "TPlotDialogs.h"
#include "TPlotCanvas.h"
#include "TPlotForm.h"
#include "TPlotLegendList.h"
#include "TdlgFormat.h"
#include "TfrmActiveLines.h"
#include "TfrmGraphCaption.h"
#include "TfrmLineNames.h"

namespace {

using plots_test::AnswerNextDialog;
using plots_test::PlotDialogAnswers;

void FreeDeferred() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Three capacity curves against depth: line i from (0, 0) to (100 (i + 1), 50).
void CapacityLines(TGraphPlot& plot, int lines = 3) {
  plot.SetCaption(QStringLiteral("Ultimate Total Capacity vs Depth"));
  plot.SetXCaption(QStringLiteral("Ultimate Total Capacity "));
  plot.SetXUnits(QStringLiteral("F2"));
  plot.SetYCaption(QStringLiteral("Depth "));
  plot.SetYUnits(QStringLiteral("L2"));
  plot.SetLineCount(lines);
  plot.SetCount(11);
  for (int i = 0; i < lines; ++i) {
    plot.Lines(i).SetLineName(QStringLiteral("Dia=%1 ft").arg(3 + 0.5 * i));
    for (int j = 0; j < 11; ++j) plot.Data(i, j) = {10.0L * (i + 1) * j, 5.0L * j};
  }
}

// A plot shown on its own, its window a known size.
class PlotWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CapacityLines(plot);
    plot.SetFormFactory(MakePlotFormFactory());
  }
  void TearDown() override {
    plot.Hide();
    FreeDeferred();
  }
  TPlotForm* Open(QSize size = {900, 700}) {
    plot.Show();
    TPlotForm* form = PlotFormOf(plot);
    if (!form) return nullptr;
    form->showNormal();
    form->resize(size);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form));
    QApplication::processEvents();
    return form;
  }

  TMessageCapture messages;
  TGraphPlot plot;
};

QStringList MenuTexts(const QMenu* menu) {
  QStringList texts;
  for (const QAction* a : menu->actions()) texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return texts;
}

QStringList Texts(std::initializer_list<const char*> texts) {
  QStringList list;
  for (const char* t : texts) list << QString::fromUtf8(t);
  return list;
}

TEST_F(PlotWindowTest, ShowMakesOneWindowAndClosingItFreesIt) {
  TPlotForm* form = Open();
  ASSERT_NE(form, nullptr);
  QPointer<TPlotForm> guard(form);
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(plot.FormExists());
  EXPECT_EQ(form->windowTitle(), QStringLiteral("PlotForm"));
  plot.Show();
  EXPECT_EQ(PlotFormOf(plot), form);

  EXPECT_TRUE(form->close());
  EXPECT_FALSE(plot.FormExists());
  EXPECT_EQ(PlotFormOf(plot), nullptr);
  FreeDeferred();
  EXPECT_TRUE(guard.isNull());
  // The options chosen in the window stay with the plot; the next window is a new one.
  plot.SetMarkers(5);
  TPlotForm* again = Open();
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->State().Plot().Markers(), 5);
}

TEST_F(PlotWindowTest, NoVerticalRange_WindowClosesAsItOpens) {
  plot.Data(0, 3).y = std::numeric_limits<long double>::max();
  plot.Data(0, 4).y = std::numeric_limits<long double>::lowest();
  plot.Show();
  EXPECT_FALSE(plot.FormExists());
  EXPECT_EQ(PlotFormOf(plot), nullptr);
}

TEST_F(PlotWindowTest, PlotMenuItemsInOrder) {
  TPlotForm* form = Open();
  ASSERT_NE(form, nullptr);
  ASSERT_EQ(form->MenuBar()->actions().size(), 1);
  EXPECT_EQ(form->MenuBar()->actions()[0]->text(), QStringLiteral("&Plot"));
  EXPECT_EQ(MenuTexts(form->PlotMenu()),
            Texts({"Show &Legend", "Show &Soil Layer", "Show &Markers", "&Font Size", "&Line Width",
                   "&Graph Title", "&Edit Legend", "&Active Curves", "-", "&Print...", "P&age Setup",
                   "&Save To Disk...", "-", "Dia=3 ft", "Dia=3.5 ft", "Dia=4 ft"}));
  EXPECT_EQ(MenuTexts(form->MarkersMenu()),
            Texts({"&Never", "-", "Every &Increment", "Every &2 Increments", "Every &3 Incrments",
                   "Every &5 Increments", "Every &10 Incements"}));
  EXPECT_EQ(MenuTexts(form->FontSizeMenu()),
            Texts({"&Default", "-", "1.5 * Default", "2 * Default", "2.5 * Default", "3 * Default",
                   "4 * Default"}));
  EXPECT_EQ(MenuTexts(form->LineWidthMenu()),
            Texts({"&Default", "-", "2 * Default", "4 * Default", "6 * Default", "10 * Default"}));
  // Without soil-layer lines there is no strip to show; printing needs no installed printer.
  EXPECT_FALSE(form->ShowSoilLayerItem()->isVisible());
  EXPECT_TRUE(form->FontSizeMenu()->menuAction()->isVisible());
  EXPECT_TRUE(form->PrintItem()->isEnabled());
  EXPECT_TRUE(form->PageSetupItem()->isEnabled());
}

TEST_F(PlotWindowTest, MenuVisibilityFollowsThePlot) {
  plot.SetShowFontWidth(false);
  plot.SetLayerLineCount(1);
  plot.SetLayerCount(1);
  plot.LayerData(0, 0) = {7, 50};
  TPlotForm* form = Open();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->ShowSoilLayerItem()->isVisible());
  EXPECT_FALSE(form->FontSizeMenu()->menuAction()->isVisible());
  EXPECT_FALSE(form->LineWidthMenu()->menuAction()->isVisible());
}

TEST_F(PlotWindowTest, MenuChecksAndCommandsChangeThePlot) {
  TPlotForm* form = Open();
  ASSERT_NE(form, nullptr);
  form->PlotMenuPopup();
  EXPECT_TRUE(form->ShowLegendItem()->isChecked());
  auto markerItem = [form](int every) {
    for (QAction* a : form->MarkersMenu()->actions())
      if (!a->isSeparator() && a->data().toInt() == every) return a;
    return static_cast<QAction*>(nullptr);
  };
  EXPECT_TRUE(markerItem(1)->isChecked());
  markerItem(3)->trigger();
  EXPECT_EQ(plot.Markers(), 3);
  form->PlotMenuPopup();
  EXPECT_TRUE(markerItem(3)->isChecked());
  EXPECT_FALSE(markerItem(1)->isChecked());

  for (QAction* a : form->LineWidthMenu()->actions())
    if (a->text() == QStringLiteral("6 * Default")) a->trigger();
  EXPECT_EQ(plot.WidthLine(), 6);

  form->ShowLegendItem()->trigger();
  EXPECT_FALSE(plot.ShowLegend());
  EXPECT_FALSE(form->LegendList()->isVisible());
  form->PlotMenuPopup();
  EXPECT_FALSE(form->ShowLegendItem()->isChecked());

  // A line item shows and hides its line.
  ASSERT_EQ(form->LineItems().size(), 3);
  EXPECT_TRUE(form->LineItems()[1]->isChecked());
  form->LineItems()[1]->trigger();
  EXPECT_FALSE(plot.Lines(1).Visible());
  EXPECT_FALSE(form->LineItems()[1]->isChecked());
}

TEST_F(PlotWindowTest, CtrlZOpensThePlotMenu) {
  TPlotForm* form = Open();
  ASSERT_NE(form, nullptr);
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form));
  form->Canvas()->setFocus();
  QTest::keyClick(form->Canvas(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(QTest::qWaitFor([form] { return form->PlotMenu()->isVisible(); }, 2000));
  form->PlotMenu()->close();
}

TEST_F(PlotWindowTest, LegendListDoubleClickTogglesTheRowsLineAndDragMovesTheBox) {
  TPlotForm* form = Open();
  ASSERT_NE(form, nullptr);
  form->State().SetActiveLines({true, false, true});
  TPlotLegendList* list = form->LegendList();
  ASSERT_EQ(form->State().Legend().LineOf(1), 2);
  const int row = form->State().LegendRowHeight();
  QTest::mouseDClick(list, Qt::LeftButton, {}, QPoint(10, 1 + row + row / 2));
  EXPECT_FALSE(plot.Lines(2).Visible());
  EXPECT_TRUE(plot.Lines(1).Visible());

  const QPoint before = list->pos();
  QTest::mousePress(list, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(list, QPoint(5 - 300, 5 - 200));
  QTest::mouseRelease(list, Qt::LeftButton, {}, QPoint(5 - 300, 5 - 200));
  EXPECT_EQ(list->pos(), before - QPoint(300, 200));
  EXPECT_EQ(form->State().LegendBox().topLeft(), list->pos());
  // Dragged far beyond the window it stays inside it.
  QTest::mousePress(list, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(list, QPoint(-5000, 5000));
  QTest::mouseRelease(list, Qt::LeftButton, {}, QPoint(-5000, 5000));
  EXPECT_EQ(list->x(), 0);
  EXPECT_EQ(list->y() + list->height(), form->Canvas()->height());
}

TEST_F(PlotWindowTest, MouseReadOutRubberBandAndZoom) {
  TPlotForm* form = Open();
  ASSERT_NE(form, nullptr);
  TPlotCanvas* canvas = form->Canvas();
  const TPlotFormState& state = form->State();
  ASSERT_EQ(state.MaxLogicBounds(), (TFloatRect{0, 300, 0, 50}));
  const QPoint at = state.Mapping().ToPixel(150, 25);
  QTest::mouseMove(canvas, at);
  EXPECT_TRUE(form->windowTitle().startsWith(QStringLiteral("Ultimate Total Capacity vs Depth X: ")))
      << form->windowTitle().toStdString();

  const QPoint from = state.Mapping().ToPixel(60, 10);
  const QPoint to = state.Mapping().ToPixel(120, 30);
  QTest::mousePress(canvas, Qt::LeftButton, {}, from);
  QTest::mouseMove(canvas, to);
  ASSERT_TRUE(state.Zooming());
  // The rubber band inverts what it covers: white turns black along its edge.
  const QImage shown = canvas->grab().toImage();
  const QImage plain = canvas->Picture();
  const QPoint edge((from.x() + to.x()) / 2, to.y());
  EXPECT_EQ(plain.pixelColor(edge), QColor(Qt::white));
  EXPECT_EQ(shown.pixelColor(edge), QColor(Qt::black));
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
  EXPECT_NEAR(state.LogicBounds().Left, 60, 0.5L);
  EXPECT_NEAR(state.LogicBounds().Right, 120, 0.5L);
  EXPECT_NEAR(state.LogicBounds().Top, 10, 0.2L);
  EXPECT_NEAR(state.LogicBounds().Bottom, 30, 0.2L);

  QTest::mouseClick(canvas, Qt::RightButton, {}, state.Mapping().ToPixel(90, 20));
  EXPECT_NEAR(state.LogicBounds().Right - state.LogicBounds().Left, 120, 1);
}

// A drag whose release went elsewhere (the Plot menu opened with Ctrl+Z while the button was
// down, or another window took the mouse): the rubber band had stayed on and followed the
// pointer. The next move without the button ends it, and the view stays as it was.
TEST_F(PlotWindowTest, DragWhoseReleaseWentElsewhereEndsWithoutZooming) {
  TPlotForm* form = Open();
  ASSERT_NE(form, nullptr);
  TPlotCanvas* canvas = form->Canvas();
  const TPlotFormState& state = form->State();
  const TFloatRect full = state.LogicBounds();
  const QPoint from = state.Mapping().ToPixel(60, 10);
  const QPoint to = state.Mapping().ToPixel(120, 30);
  QTest::mousePress(canvas, Qt::LeftButton, {}, from);
  QTest::mouseMove(canvas, to);
  ASSERT_TRUE(state.Zooming());

  const QPoint later = state.Mapping().ToPixel(200, 40);
  QMouseEvent move(QEvent::MouseMove, QPointF(later), QPointF(canvas->mapToGlobal(later)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(canvas, &move);
  EXPECT_FALSE(state.Zooming());
  // No rubber band left over the picture: its edge is white again.
  const QPoint edge((from.x() + to.x()) / 2, to.y());
  ASSERT_EQ(canvas->Picture().pixelColor(edge), QColor(Qt::white));
  EXPECT_EQ(canvas->grab().toImage().pixelColor(edge), QColor(Qt::white));
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, later);
  EXPECT_EQ(state.LogicBounds(), full);
}

TEST_F(PlotWindowTest, GraphCaptionIsTakenHoweverTheDialogCloses) {
  TPlotForm* form = Open();
  ASSERT_NE(form, nullptr);
  const TIntRect graph = form->State().DrawWindow().GraphArea;
  AnswerNextDialog<TfrmGraphCaption>([](TfrmGraphCaption& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Graph Caption"));
    EXPECT_TRUE(d.BottomButton()->isChecked());
    d.CaptionEdit()->setText(QStringLiteral("Pile P-3, boring B-2"));
    d.TopButton()->setChecked(true);
    d.reject();  // closed with Escape: still taken
  });
  form->GraphTitleItem()->trigger();
  EXPECT_EQ(plot.UserCaption(), QStringLiteral("Pile P-3, boring B-2"));
  EXPECT_TRUE(plot.UserCaptionOnTop());
  EXPECT_EQ(form->State().DrawWindow().GraphArea.Top, graph.Top + 14 / 8 + 14);

  AnswerNextDialog<TfrmGraphCaption>([](TfrmGraphCaption& d) {
    EXPECT_EQ(d.CaptionEdit()->text(), QStringLiteral("Pile P-3, boring B-2"));
    EXPECT_TRUE(d.TopButton()->isChecked());
    d.CaptionEdit()->clear();
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);
  });
  form->GraphTitleItem()->trigger();
  EXPECT_TRUE(plot.UserCaption().isEmpty());
  EXPECT_EQ(form->State().DrawWindow().GraphArea, graph);
}

TEST_F(PlotWindowTest, LegendDialogRefusesAnEmptyNameAndRenamesLines) {
  TPlotForm* form = Open();
  ASSERT_NE(form, nullptr);
  form->State().SetActiveLines({true, false, true});
  AnswerNextDialog<TfrmLineNames>([this](TfrmLineNames& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Legend"));
    EXPECT_GE(d.minimumWidth(), TfrmLineNames::kMinimumWidth);
    EXPECT_GE(d.minimumHeight(), TfrmLineNames::kMinimumHeight);
    // Every line is listed, the inactive one too; the first is selected.
    ASSERT_EQ(d.List()->count(), 3);
    EXPECT_EQ(d.List()->currentRow(), 0);
    EXPECT_EQ(d.NameEdit()->text(), QStringLiteral("Dia=3 ft"));
    d.List()->setCurrentRow(2);
    EXPECT_EQ(d.NameEdit()->text(), QStringLiteral("Dia=4 ft"));
    EXPECT_EQ(d.NameEdit()->palette().color(QPalette::Text), PlotPalette(2));
    // An empty name is refused and the old one comes back.
    d.NameEdit()->setFocus();
    d.NameEdit()->clear();
    QTest::keyClick(d.NameEdit(), Qt::Key_Return);
    EXPECT_EQ(messages.LastText(), QStringLiteral("The line must have a name!"));
    EXPECT_EQ(d.NameEdit()->text(), QStringLiteral("Dia=4 ft"));
    EXPECT_TRUE(d.isVisible());  // Enter does not close the dialog
    d.NameEdit()->selectAll();
    QTest::keyClicks(d.NameEdit(), QStringLiteral("Dia=4 ft, belled"));
    QTest::keyClick(d.NameEdit(), Qt::Key_Return);
    EXPECT_EQ(d.List()->item(2)->text(), QStringLiteral("Dia=4 ft, belled"));
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);
  });
  form->EditLegendItem()->trigger();
  EXPECT_EQ(plot.Lines(2).LineName(), QStringLiteral("Dia=4 ft, belled"));
  // The second legend entry and line item are line 2's.
  EXPECT_EQ(TPlotLegend::RowText(plot.Lines(form->State().Legend().LineOf(1))),
            QStringLiteral("Dia=4 ft, belled *"));
  ASSERT_EQ(form->LineItems().size(), 2);
  EXPECT_EQ(form->LineItems()[1]->text(), QStringLiteral("Dia=4 ft, belled"));

  AnswerNextDialog<TfrmLineNames>([](TfrmLineNames& d) {
    d.List()->item(0)->setText(QStringLiteral("renamed"));
    QTest::mouseClick(d.CancelButton(), Qt::LeftButton);
  });
  form->EditLegendItem()->trigger();
  EXPECT_EQ(plot.Lines(0).LineName(), QStringLiteral("Dia=3 ft"));
}

TEST_F(PlotWindowTest, ActiveCurvesDialogRebuildsLegendAndLineItems) {
  TPlotForm* form = Open();
  ASSERT_NE(form, nullptr);
  AnswerNextDialog<TfrmActiveLines>([](TfrmActiveLines& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Active Curves"));
    EXPECT_GE(d.minimumWidth(), TfrmActiveLines::kMinimumWidth);
    EXPECT_GE(d.minimumHeight(), TfrmActiveLines::kMinimumHeight);
    ASSERT_EQ(d.List()->count(), 3);
    EXPECT_EQ(d.List()->item(0)->text(), QStringLiteral(" yes :    Dia=3 ft"));
    EXPECT_TRUE(d.List()->item(0)->isSelected());
    QTest::mouseClick(d.DeactivateAllButton(), Qt::LeftButton);
    EXPECT_EQ(d.List()->item(2)->text(), QStringLiteral(" no  :    Dia=4 ft"));
    QTest::mouseClick(d.ActivateAllButton(), Qt::LeftButton);
    // Line 1 off by double-click; then lines 0 and 2 selected and toggled twice.
    const QRect r = d.List()->visualItemRect(d.List()->item(1));
    QTest::mouseClick(d.List()->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(d.List()->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(d.List()->item(1)->text(), QStringLiteral(" no  :    Dia=3.5 ft"));
    d.List()->clearSelection();
    d.List()->item(0)->setSelected(true);
    d.List()->item(2)->setSelected(true);
    QTest::mouseClick(d.ToggleSelectedButton(), Qt::LeftButton);
    EXPECT_EQ(d.Active(), (std::vector<bool>{false, false, false}));
    QTest::mouseClick(d.ToggleSelectedButton(), Qt::LeftButton);
    EXPECT_EQ(d.Active(), (std::vector<bool>{true, false, true}));
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);
  });
  form->ActiveCurvesItem()->trigger();
  EXPECT_FALSE(plot.Lines(1).Active());
  EXPECT_EQ(form->State().Legend().Lines(), (std::vector<int>{0, 2}));
  ASSERT_EQ(form->LineItems().size(), 2);
  EXPECT_EQ(form->LineItems()[1]->data().toInt(), 2);
  EXPECT_EQ(form->LineItems()[1]->text(), QStringLiteral("Dia=4 ft"));
  // Toggling the second item hides line 2.
  form->LineItems()[1]->trigger();
  EXPECT_FALSE(plot.Lines(2).Visible());
  EXPECT_EQ(form->LegendList()->height(), 2 * 16 + 3);

  // Deactivating all empties legend and line items; the picture keeps axes and frame.
  AnswerNextDialog<TfrmActiveLines>([](TfrmActiveLines& d) {
    QTest::mouseClick(d.DeactivateAllButton(), Qt::LeftButton);
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);
  });
  form->ActiveCurvesItem()->trigger();
  EXPECT_EQ(form->State().Legend().Count(), 0);
  EXPECT_TRUE(form->LineItems().isEmpty());
  const QImage picture = form->Canvas()->Picture();
  const TIntRect g = form->State().DrawWindow().GraphArea;
  EXPECT_EQ(picture.pixelColor(g.Left, (g.Top + g.Bottom) / 2), QColor(Qt::black));
}

TEST_F(PlotWindowTest, PrintsOnePageToPdfAndPageSetupKeepsTheMargins) {
  TPlotForm* form = Open();
  ASSERT_NE(form, nullptr);
  QTemporaryDir dir;
  PlotDialogAnswers answers;
  EXPECT_EQ(form->Margins(), (TPageMargins{1000, 1000, 1000, 1000}));
  answers.PageMargins(0.5, 0.75, 0.5, 0.75);
  form->PageSetupItem()->trigger();
  EXPECT_EQ(form->Margins(), (TPageMargins{500, 750, 500, 750}));

  // Cancelled: nothing printed.
  form->PrintItem()->trigger();
  EXPECT_EQ(answers.PrintDialogs(), 1);

  const QString pdf = dir.filePath(QStringLiteral("capacity.pdf"));
  answers.PrintToPdf(pdf);
  form->PrintItem()->trigger();
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1) << "one page";
  EXPECT_EQ(form->Margins(), (TPageMargins{500, 750, 500, 750}));
  EXPECT_TRUE(messages.Messages().isEmpty());
}

TEST_F(PlotWindowTest, PlotLoadedAgainWithFewerLinesUnderAnOpenWindow) {
  TPlotForm* form = Open();
  ASSERT_NE(form, nullptr);
  plot.SetLineCount(1);  // a new run loads fewer shafts while the window stays open
  form->Canvas()->Invalidate();
  form->LegendList()->repaint();
  form->PlotMenuPopup();
  form->ToggleLine(2);
  form->State().SetLineNames({QStringLiteral("Dia=5 ft")});
  const QImage picture = form->Canvas()->Picture();
  EXPECT_FALSE(picture.isNull());
  AnswerNextDialog<TfrmActiveLines>([](TfrmActiveLines& d) {
    EXPECT_EQ(d.List()->count(), 1);
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);
  });
  form->ActiveCurvesItem()->trigger();
  EXPECT_EQ(form->LineItems().size(), 1);
  EXPECT_EQ(form->LineItems()[0]->text(), QStringLiteral("Dia=5 ft"));
}

TEST_F(PlotWindowTest, PrinterThatCannotStartIsTold) {
  TPlotForm* form = Open();
  ASSERT_NE(form, nullptr);
  QTemporaryDir dir;
  PlotDialogAnswers answers;
  answers.PrintToPdf(dir.filePath(QStringLiteral("no-such-folder/capacity.pdf")));
  form->PrintItem()->trigger();
  EXPECT_EQ(messages.LastText(), QStringLiteral("The plot could not be printed."));
  // The margins are as they were for the next print.
  EXPECT_EQ(form->Margins(), (TPageMargins{1000, 1000, 1000, 1000}));
}

// ---- Saving pictures ----------------------------------------------------------------------

class SavePictureTest : public PlotWindowTest {
 protected:
  // Runs "Save To Disk..." with the save dialog answering `file` and the Save Attributes
  // dialog filled by `attributes`.
  void Save(const QString& file, std::function<void(TdlgFormat&)> attributes) {
    answers.SaveAs(file);
    AnswerNextDialog<TdlgFormat>(std::move(attributes));
    form->SaveToDiskItem()->trigger();
  }
  static void Defaults(TdlgFormat& d) { QTest::mouseClick(d.OkButton(), Qt::LeftButton); }

  void SetUp() override {
    PlotWindowTest::SetUp();
    form = Open();
    ASSERT_NE(form, nullptr);
  }

  QTemporaryDir dir;
  PlotDialogAnswers answers;
  TPlotForm* form = nullptr;
};

TEST_F(SavePictureTest, SixByFourInchesAtSeventyTwoIs432By288WithALegendBox) {
  const QString png = dir.filePath(QStringLiteral("capacity.png"));
  Save(png, [](TdlgFormat& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Save Attributes"));
    EXPECT_EQ(d.HeightEdit()->EditLabel()->text(), QStringLiteral("&Height (in)"));
    EXPECT_EQ(d.WidthEdit()->EditLabel()->text(), QStringLiteral("&Width (in)"));
    EXPECT_EQ(d.PixelsPerInchEdit()->EditLabel()->text(), QStringLiteral("&Pixels Per Inch"));
    EXPECT_EQ(d.HeightEdit()->text(), QStringLiteral("4"));
    EXPECT_EQ(d.WidthEdit()->text(), QStringLiteral("6"));
    EXPECT_EQ(d.PixelsPerInchEdit()->text(), QStringLiteral("72"));
    EXPECT_TRUE(d.ColorButton(4)->isChecked());
    EXPECT_EQ(d.ColorButton(4)->text(), QStringLiteral("16 Colors"));
    Defaults(d);
  });
  QImage saved(png);
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved.size(), QSize(432, 288));
  EXPECT_NEAR(saved.dotsPerMeterX() * 0.0254, 72, 0.1);

  // The legend box where the window has its legend list, scaled into the bitmap's graph.
  const TDrawArea area = BitmapDrawArea(plot, saved.size(), {96, 96}, 11);
  const TPlotPicture picture = form->State().Picture();
  QImage probe(10, 10, QImage::Format_RGB32);
  QPainter painter(&probe);
  painter.setFont(PlotFont(11, false));
  const QFontMetrics fm = painter.fontMetrics();
  const int widest = fm.horizontalAdvance(QStringLiteral("Dia=3.5 ft"));
  painter.end();
  const TIntRect box = KeepBoxInside(
      LegendBoxRect(area.GraphArea, picture.LegendPlace, widest, fm.height(), 3, {96, 96}), area.Bounds);
  ASSERT_GT(box.Left, area.GraphArea.Left);
  ASSERT_LE(box.Right, saved.width());
  for (int x = box.Left; x < box.Right; x += 3) EXPECT_EQ(saved.pixelColor(x, box.Top), QColor(Qt::black)) << x;
  for (int y = box.Top; y < box.Bottom; y += 3)
    EXPECT_EQ(saved.pixelColor(box.Right - 1, y), QColor(Qt::black)) << y;
}

TEST_F(SavePictureTest, FormatFollowsTheExtensionAndBitmapIsTheDefault) {
  Save(dir.filePath(QStringLiteral("capacity")), [](TdlgFormat& d) {
    d.WidthEdit()->setText(QStringLiteral("10"));
    d.HeightEdit()->setText(QStringLiteral("7.5"));
    d.PixelsPerInchEdit()->setText(QStringLiteral("96"));
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);
  });
  QImageReader bmp(dir.filePath(QStringLiteral("capacity.bmp")));
  EXPECT_EQ(bmp.format(), QByteArray("bmp"));
  EXPECT_EQ(bmp.size(), QSize(960, 720));

  Save(dir.filePath(QStringLiteral("capacity.jpg")), Defaults);
  QImageReader jpg(dir.filePath(QStringLiteral("capacity.jpg")));
  EXPECT_EQ(jpg.format(), QByteArray("jpeg"));
  EXPECT_EQ(jpg.size(), QSize(432, 288));
  EXPECT_TRUE(messages.Messages().isEmpty());
}

TEST_F(SavePictureTest, CancelledDialogsWriteNothing) {
  answers.SaveAs({});
  form->SaveToDiskItem()->trigger();
  const QString png = dir.filePath(QStringLiteral("capacity.png"));
  Save(png, [](TdlgFormat& d) { QTest::mouseClick(d.CancelButton(), Qt::LeftButton); });
  EXPECT_FALSE(QFile::exists(png));
  EXPECT_TRUE(messages.Messages().isEmpty());
}

TEST_F(SavePictureTest, TooLargeABitmapTellsOfMemoryAndWritesNothing) {
  const QString png = dir.filePath(QStringLiteral("huge.png"));
  Save(png, [](TdlgFormat& d) {
    d.WidthEdit()->setText(QStringLiteral("200"));
    d.HeightEdit()->setText(QStringLiteral("150"));
    d.PixelsPerInchEdit()->setText(QStringLiteral("600"));
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);
  });
  EXPECT_EQ(messages.LastText(), QStringLiteral("There is not enough memory to complete this task."));
  EXPECT_FALSE(QFile::exists(png));
}

TEST_F(SavePictureTest, EntriesBelowTheirMinimumAreToldAndRaisedToIt) {
  const QString png = dir.filePath(QStringLiteral("small.png"));
  Save(png, [this](TdlgFormat& d) {
    d.HeightEdit()->setFocus();
    d.HeightEdit()->setText(QStringLiteral("1"));
    QTest::keyClick(d.HeightEdit(), Qt::Key_Return);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Entry must be greater than or equal to 2"));
    EXPECT_EQ(d.HeightEdit()->text(), QStringLiteral("2"));
    d.PixelsPerInchEdit()->setFocus();
    d.PixelsPerInchEdit()->setText(QStringLiteral("72.5"));
    QTest::keyClick(d.PixelsPerInchEdit(), Qt::Key_Return);
    EXPECT_EQ(messages.LastText(), QStringLiteral("Entry must be an integer."));
    EXPECT_TRUE(d.isVisible());
    d.PixelsPerInchEdit()->setText(QStringLiteral("100"));
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);
  });
  EXPECT_EQ(QImage(png).size(), QSize(600, 200));
}

TEST_F(SavePictureTest, UnwritableFileIsTold) {
  const QString file = dir.filePath(QStringLiteral("no-such-folder/capacity.png"));
  Save(file, Defaults);
  EXPECT_TRUE(messages.LastText().startsWith(QStringLiteral("The picture could not be written to ")))
      << messages.LastText().toStdString();
  EXPECT_FALSE(QFile::exists(file));
}

TEST(PlotSaveDialog, OffersBitmapPngAndJpegAndAddsTheChosenTypesExtension) {
  QTemporaryDir dir;
  AnswerNextDialog<QFileDialog>([&dir](QFileDialog& d) {
    EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(d.nameFilters(),
              Texts({"Bitmap (*.bmp)", "PNG image (*.png)", "JPEG image (*.jpg *.jpeg)"}));
    EXPECT_EQ(d.defaultSuffix(), QStringLiteral("bmp"));
    d.selectNameFilter(QStringLiteral("PNG image (*.png)"));
    d.setDirectory(dir.path());
    d.selectFile(QStringLiteral("capacity"));
    QMetaObject::invokeMethod(&d, "accept");
  });
  EXPECT_EQ(TPlotDialogs::ChooseSaveFile(nullptr), dir.filePath(QStringLiteral("capacity.png")));

  AnswerNextDialog<QFileDialog>([](QFileDialog& d) { d.reject(); });
  EXPECT_TRUE(TPlotDialogs::ChooseSaveFile(nullptr).isEmpty());
}

TEST(PlotPrintDialogs, PlatformDialogsAnswerForThePrinter) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  AnswerNextDialog<QPrintDialog>([](QPrintDialog& d) { d.reject(); });
  EXPECT_FALSE(TPlotDialogs::ChoosePrinter(printer, nullptr));
  AnswerNextDialog<QPageSetupDialog>([](QPageSetupDialog& d) { d.accept(); });
  EXPECT_TRUE(TPlotDialogs::SetupPage(printer, nullptr));
}

// ---- In the main window's area ------------------------------------------------------------

TEST(PlotWindowInMainWindow, MaximizedChildBroughtBackAndFreedWithItsFrame) {
  auto frame = std::make_unique<QMainWindow>();
  auto* area = new QMdiArea;
  frame->setCentralWidget(area);
  frame->resize(1000, 800);
  frame->show();
  TGraphPlot plot;
  CapacityLines(plot);
  plot.SetFormFactory(MakePlotFormFactory(area));

  plot.Show();
  ASSERT_EQ(area->subWindowList().size(), 1);
  QMdiSubWindow* sub = area->subWindowList()[0];
  EXPECT_TRUE(sub->isMaximized());
  EXPECT_EQ(sub->widget(), PlotFormOf(plot));
  plot.Show();
  EXPECT_EQ(area->subWindowList().size(), 1);

  sub->showMinimized();
  plot.Show();
  EXPECT_FALSE(sub->isMinimized());
  EXPECT_EQ(area->activeSubWindow(), sub);

  // Closing the child frees the window; the next Show makes a new child.
  QPointer<QMdiSubWindow> first(sub);
  sub->close();
  EXPECT_FALSE(plot.FormExists());
  FreeDeferred();
  EXPECT_TRUE(first.isNull());
  EXPECT_TRUE(area->subWindowList().isEmpty());
  plot.Show();
  ASSERT_EQ(area->subWindowList().size(), 1);

  // The main window going first takes the window with it; the plot forgets it.
  frame.reset();
  EXPECT_FALSE(plot.FormExists());
  EXPECT_EQ(plot.Form(), nullptr);
}

TEST(PlotWindowInMainWindow, CtrlZOpensThePlotMenuOfTheActiveChildOnly) {
  QMainWindow frame;
  auto* area = new QMdiArea;
  frame.setCentralWidget(area);
  frame.resize(1000, 800);
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  frame.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
  TGraphPlot first, second;
  for (TGraphPlot* plot : {&first, &second}) {
    CapacityLines(*plot);
    plot->SetFormFactory(MakePlotFormFactory(area));
    plot->Show();
  }
  TPlotForm* one = PlotFormOf(first);
  TPlotForm* two = PlotFormOf(second);
  ASSERT_TRUE(one && two);
  first.Show();  // back to the front
  ASSERT_EQ(area->activeSubWindow()->widget(), one);
  QApplication::processEvents();
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr);
  QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(QTest::qWaitFor([one] { return one->PlotMenu()->isVisible(); }, 2000));
  EXPECT_FALSE(two->PlotMenu()->isVisible());
  one->PlotMenu()->close();
  first.Hide();
  second.Hide();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A main window with its child-window area, and plots whose windows open in it maximized.
class PlotWindowsInArea : public ::testing::Test {
 protected:
  void SetUp() override {
    area = new QMdiArea;
    frame.setCentralWidget(area);
    frame.resize(1400, 1000);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    for (TGraphPlot* plot : {&first, &second}) {
      CapacityLines(*plot);
      plot->SetFormFactory(MakePlotFormFactory(area));
    }
  }
  void TearDown() override {
    first.Hide();
    second.Hide();
    FreeDeferred();
  }
  TPlotForm* ShowAndPaint(TGraphPlot& plot) {
    plot.Show();
    TPlotForm* form = PlotFormOf(plot);
    if (form) form->Canvas()->repaint();
    QApplication::processEvents();
    return form;
  }
  static QMdiSubWindow* FrameOf(TPlotForm* form) {
    return qobject_cast<QMdiSubWindow*>(form->parentWidget());
  }

  QMainWindow frame;
  QMdiArea* area = nullptr;
  TGraphPlot first, second;
};

// Restored from maximized, or cascaded, a plot window keeps a graph an engineer can read;
// it had been left with the few pixels of its menu bar.
TEST_F(PlotWindowsInArea, RestoredOrCascadedWindowsKeepAReadableGraph) {
  TPlotForm* one = ShowAndPaint(first);
  TPlotForm* two = ShowAndPaint(second);
  ASSERT_TRUE(one && two);
  auto readable = [](TPlotForm* form) {
    const QSize canvas = form->Canvas()->size();
    const int dpi = form->Canvas()->logicalDpiX();
    return canvas.width() >= 5 * dpi && canvas.height() >= 4 * dpi;
  };
  FrameOf(one)->showNormal();
  QApplication::processEvents();
  EXPECT_TRUE(readable(one)) << one->Canvas()->width() << " x " << one->Canvas()->height();
  area->cascadeSubWindows();
  QApplication::processEvents();
  for (TPlotForm* form : {one, two})
    EXPECT_TRUE(readable(form)) << form->Canvas()->width() << " x " << form->Canvas()->height();
}

// The area restores a maximized child to its normal size while another child is brought to
// the front, and maximizes it again when it comes back: its legend box must come back to
// where it was, not stay where the smaller size pushed it.
TEST_F(PlotWindowsInArea, SwitchingBetweenMaximizedWindowsLeavesEachLegendInPlace) {
  TPlotForm* one = ShowAndPaint(first);
  ASSERT_NE(one, nullptr);
  ASSERT_TRUE(FrameOf(one)->isMaximized());
  const QPoint corner = one->LegendList()->pos();
  const TIntRect graph = one->State().DrawWindow().GraphArea;
  EXPECT_EQ(one->LegendList()->geometry().bottomRight() + QPoint(1, 1),
            QPoint(graph.Right, graph.Bottom));

  ASSERT_NE(ShowAndPaint(second), nullptr);
  ASSERT_NE(one->Canvas()->size(), area->viewport()->size()) << "the first child was restored";
  ShowAndPaint(first);
  ASSERT_TRUE(FrameOf(one)->isMaximized());
  EXPECT_EQ(one->LegendList()->pos(), corner);
  EXPECT_EQ(one->State().LegendBox().topLeft(), corner);
}

TEST(PlotWindowInMainWindow, PlotGoingFirstTakesItsChildWindow) {
  QMainWindow frame;
  auto* area = new QMdiArea;
  frame.setCentralWidget(area);
  {
    TGraphPlot plot;
    CapacityLines(plot);
    plot.SetFormFactory(MakePlotFormFactory(area));
    plot.Show();
    ASSERT_EQ(area->subWindowList().size(), 1);
  }
  EXPECT_TRUE(area->subWindowList().isEmpty());
}

}  // namespace
