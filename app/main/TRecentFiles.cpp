#include "TRecentFiles.h"

#include <QDir>

void TRecentFiles::SetPrevFile(int k, const QString& name) {
  fPrevFile.at(static_cast<std::size_t>(k - 1)) = name;
}

int TRecentFiles::NumberPrevFile() const {
  int count = 0;
  for (const QString& name : fPrevFile)
    if (!name.isEmpty()) ++count;
  return count;
}

void TRecentFiles::Clear() {
  for (QString& name : fPrevFile) name.clear();
}

bool TRecentFiles::UpdatePrevFile(const QString& name) {
  if (name == fPrevFile[0]) return false;
  std::size_t found = kCount - 1;  // not in the list: the tenth entry is dropped
  for (std::size_t i = 1; i < kCount; ++i)
    if (fPrevFile[i] == name) {
      found = i;
      break;
    }
  for (std::size_t i = found; i > 0; --i) fPrevFile[i] = fPrevFile[i - 1];
  fPrevFile[0] = name;
  return true;
}

QString TRecentFiles::MenuText(int k, const QString& currentFolder) const {
  QString path = QDir::toNativeSeparators(PrevFile(k));
  if (!currentFolder.isEmpty()) {
    QString folder = QDir::toNativeSeparators(currentFolder);
    if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
    if (path.startsWith(folder)) path = path.mid(folder.size());
  }
  path.replace(QLatin1Char('&'), QLatin1String("&&"));
  // The digit is the accelerator: "&1" .. "&9", and "1&0" for the tenth.
  const QString number = k < 10 ? QLatin1Char('&') + QString::number(k) : QStringLiteral("1&0");
  return number + QLatin1Char(' ') + path;
}
