#include "TProgramSettings.h"

#include <QSettings>
#include <memory>

#include "MainText.h"

namespace {

QString Key(const char* name) { return QString::fromLatin1(name); }

QString GroupName() { return Key(MainText::kSettingsGroup); }

// A new store object each time: tests point the store at their own folder before use.
std::unique_ptr<QSettings> OpenStore() {
  return std::make_unique<QSettings>(Key(MainText::kSettingsOrganization),
                                     Key(MainText::kSettingsApplication));
}

}  // namespace

TProgramSettings TProgramSettings::ReadAtStart(const QString& programFolder) {
  TProgramSettings s;
  auto store = OpenStore();
  s.StoreError = store->status() != QSettings::NoError;
  if (!s.StoreError) {
    store->beginGroup(GroupName());
    s.WordProcessor = store->value(Key(MainText::kSettingWordProcessor)).toString();
    s.Directory = store->value(Key(MainText::kSettingDirectory)).toString();
    store->endGroup();
  }
  if (s.WordProcessor.isEmpty()) s.WordProcessor = Key(MainText::kDefaultWordProcessor);
  if (s.Directory.isEmpty()) s.Directory = programFolder;
  return s;
}

void TProgramSettings::ReadWhenShown(bool storeError, QString& wordProcessor,
                                     TRecentFiles& recent) {
  auto store = OpenStore();
  if (storeError || store->status() != QSettings::NoError) {
    // An empty editor command could start nothing: the desktop's handler stands in.
    wordProcessor = Key(MainText::kDefaultWordProcessor);
    recent.Clear();
    return;
  }
  if (!store->childGroups().contains(GroupName())) return;
  store->beginGroup(GroupName());
  const QString editor = store->value(Key(MainText::kSettingWordProcessor)).toString();
  if (!editor.isEmpty()) wordProcessor = editor;
  for (int k = 1; k <= TRecentFiles::kCount; ++k)
    recent.SetPrevFile(k, store->value(MainText::SettingRecentFile(k)).toString());
  store->endGroup();
}

void TProgramSettings::Write(const QString& wordProcessor, const QString& directory,
                             const TRecentFiles& recent) {
  auto store = OpenStore();
  store->beginGroup(GroupName());
  store->setValue(Key(MainText::kSettingWordProcessor), wordProcessor);
  store->setValue(Key(MainText::kSettingDirectory), directory);
  for (int k = 1; k <= TRecentFiles::kCount; ++k)
    store->setValue(MainText::SettingRecentFile(k), recent.PrevFile(k));
  store->endGroup();
  store->sync();  // a store that cannot be written is left as it is
}
