// The run command's steps in their order, driven through a recording host on the real
// engine library: what each way out of the run leaves done and undone.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "EInOutError.h"
#include "MainTestSupport.h"
#include "TAnalysisRun.h"
#include "TMessageCapture.h"
#include "TRunLock.h"

namespace {

// Records what the run asked of the window, in order.
class RecordingHost : public TAnalysisRunHost {
 public:
  explicit RecordingHost(QString document) : fDocument(std::move(document)) {}

  QStringList steps;
  bool storeSucceeds = true;
  bool saveAsCancelled = false;
  bool saveFails = false;
  bool profilePasses = true;
  QString curDir;

  QWidget* MessageParent() override { return nullptr; }
  bool StoreActiveChild() override {
    steps << "store";
    return storeSucceeds;
  }
  void SaveDocument() override {
    steps << "save";
    if (saveAsCancelled) fSaved = false;
    if (saveFails) throw EInOutError("The disk is full.");
  }
  bool FileSaved() const override { return fSaved; }
  void SetFileSaved(bool saved) override { fSaved = saved; }
  QString DocumentFileName() const override { return fDocument; }
  bool CheckProfile() override {
    steps << "check";
    return profilePasses;
  }
  void LoadRunResults() override {
    steps << "load results";
    if (QFile::exists(QDir::current().filePath("names.dat"))) steps << "names.dat still there";
  }
  void CloseChildWindows() override { steps << "close children"; }
  void SetCurDir(const QString& folder) override {
    steps << "current folder";
    curDir = folder;
  }

 private:
  QString fDocument;
  bool fSaved = true;
};

class AnalysisRun : public ::testing::Test {
 protected:
  AnalysisRun() : fPrevious(QDir::currentPath()) {
    fDocument = fDir.filePath("sand-over-clay.tv8d");
    QFile::copy(main_test::ExamplesFolder() + "/sand-over-clay.tv8d", fDocument);
  }
  ~AnalysisRun() override { QDir::setCurrent(fPrevious); }

  TAnalysisRun::TOutcome Run(RecordingHost& host) {
    return TAnalysisRun(host, main_test::EngineLibrary()).Execute();
  }
  bool Exists(const QString& name) const { return QFile::exists(fDir.filePath(name)); }

  QTemporaryDir fDir;
  QString fDocument;
  TMessageCapture fMessages;
  QString fPrevious;
};

TEST_F(AnalysisRun, StepsInOrder_ASaveErrorIsReportedAndTheRunGoesOnFromTheFileOnDisk) {
  RecordingHost host(fDocument);
  host.saveFails = true;
  const TAnalysisRun::TOutcome outcome = Run(host);
  EXPECT_TRUE(outcome.Called);
  EXPECT_EQ(outcome.Status, 0);
  EXPECT_EQ(host.steps, QStringList({"store", "save", "check", "load results", "names.dat still there",
                                     "close children", "current folder"}));
  ASSERT_EQ(fMessages.Texts().size(), 2);
  EXPECT_EQ(fMessages.Texts()[0], "An error occured during saving\rThe disk is full.");
  EXPECT_TRUE(fMessages.Texts()[1].startsWith("Computations are completed."));
  EXPECT_EQ(host.curDir, fDir.path());
  EXPECT_EQ(QDir::currentPath(), fDir.path());
  EXPECT_FALSE(Exists("names.dat"));
  EXPECT_FALSE(Exists(TRunLock::kLockFileName));
  EXPECT_TRUE(Exists("sand-over-clay.tv8o"));
}

TEST_F(AnalysisRun, EndsBeforeTheEngine_LeavingTheFolderAsItWas) {
  struct Case {
    const char* what;
    bool storeSucceeds, saveAsCancelled, profilePasses;
    QStringList steps;
  } cases[] = {
      {"a child keeps an entry it cannot store", false, false, true, {"store"}},
      {"save as cancelled", true, true, true, {"store", "save"}},
      {"the profile checks fail", true, false, false, {"store", "save", "check"}},
  };
  for (const Case& c : cases) {
    RecordingHost host(fDocument);
    host.storeSucceeds = c.storeSucceeds;
    host.saveAsCancelled = c.saveAsCancelled;
    host.profilePasses = c.profilePasses;
    fMessages.Clear();
    const TAnalysisRun::TOutcome outcome = Run(host);
    EXPECT_FALSE(outcome.Called) << c.what;
    EXPECT_EQ(host.steps, c.steps) << c.what;
    EXPECT_TRUE(fMessages.Texts().isEmpty()) << c.what;
    EXPECT_FALSE(Exists("names.dat")) << c.what;
    EXPECT_FALSE(Exists(TRunLock::kLockFileName)) << c.what;
    EXPECT_FALSE(Exists("sand-over-clay.tv8o")) << c.what;
    EXPECT_EQ(QDir::currentPath(), fPrevious) << c.what;
  }
}

}  // namespace
