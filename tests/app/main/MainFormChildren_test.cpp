// The child windows of the main window: made once per kind on first use, forgotten when
// closed, told when they gain and lose the activation, asked to store their edits before a
// command, told of unit changes, closed with the document; the 3D view's commands appear
// with the view.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "MainTestSupport.h"
#include "TProgramData.h"

namespace {

using main_test::MainFormTest;

// What the fake children were told, in order.
struct ChildLog {
  QStringList events;
  int made = 0;
  bool refuseDeactivation = false;  // an entry the child cannot store
  QString titleToStore;             // stored into the document on deactivation
};

class FakeChild : public TChildForm {
 public:
  FakeChild(TChildKind kind, const QString& name, ChildLog& log)
      : TChildForm(kind), fName(name), fLog(log) {
    setWindowTitle(name);
    resize(240, 120);
    ++fLog.made;
  }
  void FormActivate() override { fLog.events << fName + " activate"; }
  bool FormDeactivate() override {
    fLog.events << fName + " deactivate";
    if (fLog.refuseDeactivation) return false;
    if (!fLog.titleToStore.isEmpty()) ProgramData->Title = fLog.titleToStore;
    return true;
  }
  void UnitsChanged() override { fLog.events << fName + " units"; }

 private:
  QString fName;
  ChildLog& fLog;
};

class MainFormChildren : public MainFormTest {
 protected:
  // The window goes before the log its children write to.
  ~MainFormChildren() override { Stop(); }

  void Register(TChildKind kind, const QString& name) {
    fForm->RegisterChild(kind, [this, kind, name] { return new FakeChild(kind, name, fLog); });
  }
  QMdiSubWindow* Current() const { return fForm->MdiArea()->currentSubWindow(); }
  int OpenWindows() const {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return int(fForm->MdiArea()->subWindowList().size());
  }

  ChildLog fLog;
};

TEST_F(MainFormChildren, OneWindowPerKind_MadeOnFirstUse_ForgottenWhenClosed) {
  Start();
  EXPECT_EQ(fForm->ShowChild(TChildKind::Title), nullptr);
  EXPECT_FALSE(fForm->Command(TMainCommand::DataTitle)->isEnabled());

  Register(TChildKind::Title, "Title");
  EXPECT_TRUE(fForm->Command(TMainCommand::DataTitle)->isEnabled());
  EXPECT_FALSE(fForm->TitleExists());
  Trigger(TMainCommand::DataTitle);
  Trigger(TMainCommand::DataTitle);
  EXPECT_EQ(fLog.made, 1);
  EXPECT_TRUE(fForm->TitleExists());
  ASSERT_EQ(OpenWindows(), 1);
  EXPECT_EQ(fForm->MdiArea()->subWindowList().first()->widget(), fForm->Child(TChildKind::Title));

  fForm->MdiArea()->subWindowList().first()->close();
  EXPECT_FALSE(fForm->TitleExists());
  EXPECT_EQ(OpenWindows(), 0);
  Trigger(TMainCommand::DataTitle);
  EXPECT_EQ(fLog.made, 2);

  // A child that closes itself (its own Close button) goes the same way.
  fForm->Child(TChildKind::Title)->close();
  EXPECT_FALSE(fForm->TitleExists());
  EXPECT_EQ(OpenWindows(), 0);
}

TEST_F(MainFormChildren, ActivationChange_DeactivatesTheOldAndActivatesTheNew) {
  Start();
  Register(TChildKind::Title, "Title");
  Register(TChildKind::DSP, "DSP");
  fForm->ShowChild(TChildKind::Title);
  fForm->ShowChild(TChildKind::DSP);
  fForm->ShowChild(TChildKind::Title);
  EXPECT_EQ(fLog.events, QStringList({"Title activate", "Title deactivate", "DSP activate",
                                      "DSP deactivate", "Title activate"}));
  EXPECT_EQ(fForm->ActiveChild(), fForm->Child(TChildKind::Title));
}

TEST_F(MainFormChildren, RefusedDeactivation_BringsTheOldChildBackToTheFront) {
  Start();
  Register(TChildKind::Title, "Title");
  Register(TChildKind::DSP, "DSP");
  fForm->ShowChild(TChildKind::Title);
  fLog.refuseDeactivation = true;
  fForm->ShowChild(TChildKind::DSP);
  EXPECT_EQ(fForm->ActiveChild(), fForm->Child(TChildKind::Title));
  ASSERT_NE(Current(), nullptr);
  EXPECT_EQ(Current()->widget(), fForm->Child(TChildKind::Title));
  EXPECT_FALSE(fLog.events.contains("DSP activate"));
}

// The frame finishes an activation it began after the child has refused it (and comes back
// to the front when the message box goes): the same change, before control is back in the
// event loop, does not ask the child again. Afterwards the child has the front and a new
// attempt asks again.
TEST_F(MainFormChildren, RefusedChange_AskedOnceUntilTheFrameHasFinishedIt) {
  Start();
  Register(TChildKind::Title, "Title");
  Register(TChildKind::DSP, "DSP");
  fForm->ShowChild(TChildKind::DSP);
  fForm->ShowChild(TChildKind::Title);
  QMdiSubWindow* dsp = fForm->MdiArea()->subWindowList().first();
  ASSERT_EQ(dsp->widget(), fForm->Child(TChildKind::DSP));
  fLog.refuseDeactivation = true;
  fLog.events.clear();
  fForm->MdiArea()->setActiveSubWindow(dsp);
  fForm->MdiArea()->setActiveSubWindow(dsp);
  EXPECT_EQ(fLog.events, QStringList({"Title deactivate"}));
  QCoreApplication::processEvents();
  EXPECT_EQ(fForm->ActiveChild(), fForm->Child(TChildKind::Title));
  EXPECT_EQ(Current()->widget(), fForm->Child(TChildKind::Title));

  fForm->MdiArea()->setActiveSubWindow(dsp);
  EXPECT_EQ(fLog.events, QStringList({"Title deactivate", "Title deactivate"}));
  fLog.refuseDeactivation = false;
  QCoreApplication::processEvents();
  fForm->MdiArea()->setActiveSubWindow(dsp);
  EXPECT_EQ(fForm->ActiveChild(), fForm->Child(TChildKind::DSP));
}

TEST_F(MainFormChildren, BeforeACommand_TheActiveChildStoresItsEdits_ARefusalStopsIt) {
  const QString path = CopyExample("sand-over-clay.tv8d");
  Start({path});
  Register(TChildKind::Title, "Title");
  fForm->ShowChild(TChildKind::Title);
  const QByteArray before = main_test::ReadBytes(path);

  fLog.refuseDeactivation = true;
  fForm->SetDataChanged(true);
  Trigger(TMainCommand::FileSave);
  Trigger(TMainCommand::CompRun);
  EXPECT_EQ(main_test::ReadBytes(path), before) << "nothing saved";
  EXPECT_FALSE(QFile::exists(Path("names.dat")));
  EXPECT_TRUE(fMessages.Texts().isEmpty()) << fMessages.Texts().join('|').toStdString();
  EXPECT_TRUE(fForm->TitleExists());

  fLog.refuseDeactivation = false;
  fLog.titleToStore = "Edited in the title dialog";
  Trigger(TMainCommand::FileSave);
  EXPECT_TRUE(main_test::ReadBytes(path).startsWith("Edited in the title dialog\r\n"));

  // Menus that act on the document store the edits as they open.
  for (QMenu* menu : {fForm->FileMenu(), fForm->DataMenu(), fForm->ComputationMenu(),
                      fForm->HelpMenu()}) {
    fLog.events.clear();
    emit menu->aboutToShow();
    EXPECT_EQ(fLog.events, QStringList({"Title deactivate"})) << menu->title().toStdString();
  }
}

TEST_F(MainFormChildren, UnitChange_ReachesEveryOpenChild) {
  Start();
  Register(TChildKind::Title, "Title");
  Register(TChildKind::PI, "Water");
  fForm->ShowChild(TChildKind::Title);
  fForm->ShowChild(TChildKind::PI);
  fLog.events.clear();
  Trigger(TMainCommand::UnitsSI);
  EXPECT_TRUE(fLog.events.contains("Title units"));
  EXPECT_TRUE(fLog.events.contains("Water units"));
}

TEST_F(MainFormChildren, WindowShownFromTheStart_OutlivesTheCommandLineDocument) {
  const QString path = CopyExample("sand-over-clay.tv8d");
  fForm = std::make_unique<TMainForm>(QStringList{path}, fDesktop.Services(fProgramFolder));
  Register(TChildKind::Side, "Elevation");
  QObject::connect(fForm.get(), &TMainForm::Started, fForm.get(),
                   [this] { fForm->ShowChild(TChildKind::Side); });
  fForm->show();
  EXPECT_EQ(ProgramData->FileName, path);
  EXPECT_TRUE(fForm->SideExists());
  EXPECT_EQ(fLog.made, 1);
}

TEST_F(MainFormChildren, NewAndOpenDocuments_CloseEveryChild) {
  const QString path = CopyExample("sand-over-clay.tv8d");
  Start();
  Register(TChildKind::Title, "Title");
  Register(TChildKind::DSP, "DSP");
  fForm->ShowChild(TChildKind::Title);
  fForm->ShowChild(TChildKind::DSP);
  ASSERT_EQ(OpenWindows(), 2);
  Trigger(TMainCommand::FileNew);
  EXPECT_FALSE(fForm->TitleExists());
  EXPECT_FALSE(fForm->DSPExists());
  EXPECT_EQ(OpenWindows(), 0);

  fForm->ShowChild(TChildKind::Title);
  fForm->OpenFileName(path, 1);
  EXPECT_FALSE(fForm->TitleExists());
  EXPECT_EQ(OpenWindows(), 0);
}

TEST_F(MainFormChildren, ThreeDView_CommandReadyOnlyWithItsWindowAndSeparatorWhileItExists) {
  Start();
  auto* button = new QAction("Orbit", fForm.get());
  fForm->Install3DViewCommands({button}, nullptr);
  const QList<QAction*> toolbar = fForm->ToolBar()->actions();
  const int at = toolbar.indexOf(button);
  ASSERT_GT(at, 0);
  QAction* separator = toolbar[at - 1];
  ASSERT_TRUE(separator->isSeparator());

  EXPECT_FALSE(fForm->Command(TMainCommand::View3D)->isEnabled());
  EXPECT_FALSE(separator->isVisible());
  Register(TChildKind::Block, "3-D View");
  Trigger(TMainCommand::View3D);
  EXPECT_TRUE(fForm->BlockExists());
  EXPECT_TRUE(separator->isVisible());
  fForm->CloseChild(TChildKind::Block);
  EXPECT_FALSE(separator->isVisible());
}

TEST_F(MainFormChildren, DesignMethod_RefreshesAnOpenSoilLayerEditor) {
  Start();
  Register(TChildKind::SoilLayers, "Layers");
  fForm->ShowChild(TChildKind::SoilLayers);
  fLog.events.clear();
  Trigger(TMainCommand::MethodLRFD);
  EXPECT_EQ(fLog.events, QStringList({"Layers activate"}));
  EXPECT_TRUE(fForm->LRFDColumnsShown());
}

TEST_F(MainFormChildren, ThreeDCommandsOfTheView_GoAfterTheResultButtonsAndBeforeWindow) {
  Start();
  auto* button = new QAction("Orbit", fForm.get());
  auto* menu = new QMenu("Show 3D View", fForm.get());
  fForm->Install3DViewCommands({button}, menu);
  const QList<QAction*> toolbar = fForm->ToolBar()->actions();
  EXPECT_EQ(toolbar.indexOf(button), toolbar.size() - 1);
  EXPECT_GT(toolbar.indexOf(button), toolbar.indexOf(fForm->Command(TMainCommand::ToolQwCurves)));
  const QList<QAction*> bar = fForm->menuBar()->actions();
  ASSERT_TRUE(bar.contains(menu->menuAction()));
  EXPECT_EQ(bar.indexOf(menu->menuAction()) + 1, bar.indexOf(fForm->WindowMenu()->menuAction()));
}

TEST_F(MainFormChildren, ComputationMethod_ShowsItsDialogAndClosesTheOther) {
  Start();
  Register(TChildKind::cPP, "Shaft length");
  Register(TChildKind::ncPP, "Design load");
  Trigger(TMainCommand::DesignLoad);
  EXPECT_EQ(ProgramData->METHOD, 1);
  EXPECT_TRUE(fForm->ncPPExists());
  Trigger(TMainCommand::ShaftLength);
  EXPECT_EQ(ProgramData->METHOD, 2);
  EXPECT_TRUE(fForm->cPPExists());
  EXPECT_FALSE(fForm->ncPPExists());
  EXPECT_TRUE(fForm->Command(TMainCommand::ShaftLength)->isChecked());
  EXPECT_FALSE(fForm->Command(TMainCommand::DesignLoad)->isChecked());
}

TEST_F(MainFormChildren, WindowMenu_ListsTheChildrenByCaption) {
  Start();
  Register(TChildKind::Title, "Title");
  Register(TChildKind::DSP, "Drilled Shaft Properties");
  QMenu* menu = fForm->WindowMenu();
  emit menu->aboutToShow();
  auto visibleTexts = [&] {
    QStringList texts;
    for (QAction* a : menu->actions())
      if (a->isVisible() && !a->isSeparator()) texts << main_test::StripAccelerators(a->text());
    return texts;
  };
  EXPECT_EQ(visibleTexts(), QStringList({"Cascade", "Arrange Icons"}));
  fForm->ShowChild(TChildKind::Title);
  fForm->ShowChild(TChildKind::DSP);
  emit menu->aboutToShow();
  EXPECT_EQ(visibleTexts(), QStringList({"Cascade", "Arrange Icons", "1 Title",
                                         "2 Drilled Shaft Properties"}));
  // Choosing an item brings that child to the front.
  for (QAction* a : menu->actions())
    if (a->text() == "&1 Title") a->trigger();
  EXPECT_EQ(Current()->widget(), fForm->Child(TChildKind::Title));
}

}  // namespace
