#include "MainTestSupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

#include "TProgramData.h"

namespace main_test {

QString ExamplesFolder() { return QStringLiteral(TORVEX_SOURCE_DIR "/examples"); }

QString EngineLibrary() { return QStringLiteral(TORVEX_BIN_DIR "/Torvex2017_DLL.so"); }

QString TestLibrary(const QString& fileName) {
  return QStringLiteral(TORVEX_TEST_LIBRARY_DIR "/") + fileName;
}

QString StripAccelerators(QString caption) {
  caption.replace(QLatin1String("&&"), QString(QChar(0x1)));
  caption.remove(QLatin1Char('&'));
  caption.replace(QChar(0x1), QLatin1Char('&'));
  return caption;
}

QString ScreenshotFolder() {
  const QString folder = QDir::cleanPath(QStringLiteral(TORVEX_BIN_DIR "/../screenshots"));
  QDir().mkpath(folder);
  return folder;
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  file.write(bytes);
}

TSettingsSandbox::TSettingsSandbox() {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, fDir.path());
}

TSettingsSandbox::~TSettingsSandbox() {
  // Nothing of a test may reach the user's own settings afterwards.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                     QDir::temp().filePath(QStringLiteral("torvex-test-settings-unused")));
}

TMainFormServices TFakeDesktop::Services(const QString& programFolder) {
  TMainFormServices s;
  s.ChooseOpenFile = [this](QWidget*, const QString&) {
    ++OpenDialogs;
    return OpenAnswer;
  };
  s.ChooseSaveFile = [this](QWidget*, const QString& title, const QString& proposed) {
    SaveTitles << title;
    SaveProposals << proposed;
    return SaveAnswer;
  };
  s.StartDetached = [this](const QString& program, const QStringList& arguments) {
    Started << (QStringList{program} + arguments);
    return StartSucceeds;
  };
  s.OpenUrl = [this](const QUrl& url) {
    Opened << url;
    return OpenSucceeds;
  };
  s.ProgramFolder = programFolder;
  s.EngineLibrary = Library;
  return s;
}

MainFormTest::MainFormTest() : fPreviousCurrent(QDir::currentPath()) {
  fProgramFolder = fDir.filePath(QStringLiteral("program"));
  QDir().mkpath(fProgramFolder);
}

MainFormTest::~MainFormTest() {
  Stop();
  QDir::setCurrent(fPreviousCurrent);
}

TMainForm& MainFormTest::Start(const QStringList& arguments,
                               const std::function<void(TMainForm&)>& beforeShow) {
  Stop();
  fForm = std::make_unique<TMainForm>(arguments, fDesktop.Services(fProgramFolder));
  fForm->resize(1100, 720);
  if (beforeShow) beforeShow(*fForm);
  fForm->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(fForm.get()));
  return *fForm;
}

void MainFormTest::Stop() {
  if (!fForm) return;
  // A test that leaves unsaved changes does not want them saved.
  fForm->SetDataChanged(false);
  fForm->close();
  fForm.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString MainFormTest::CopyExample(const QString& name, const QString& subFolder) const {
  const QString folder = subFolder.isEmpty() ? fDir.path() : fDir.filePath(subFolder);
  QDir().mkpath(folder);
  const QString target = QDir(folder).filePath(name);
  QFile::remove(target);
  EXPECT_TRUE(QFile::copy(QDir(ExamplesFolder()).filePath(name), target)) << name.toStdString();
  QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::ReadOther);
  return target;
}

void MainFormTest::Trigger(TMainCommand command) { fForm->Command(command)->trigger(); }

QStringList MainFormTest::Files() const {
  QStringList names = QDir(fDir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
  names.removeAll(QStringLiteral("program"));
  names.sort();
  return names;
}

}  // namespace main_test
