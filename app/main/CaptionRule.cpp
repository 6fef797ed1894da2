#include "CaptionRule.h"

#include <QFileInfo>

#include "MainText.h"

QString CaptionName(const QString& fileName) {
  QString name = QFileInfo(fileName).fileName();
  const int dot = name.lastIndexOf(QLatin1Char('.'));
  if (dot >= 0 && name.mid(dot).compare(QLatin1String(".tv8"), Qt::CaseInsensitive) == 0)
    name.truncate(dot);
  if (!name.isEmpty() && name[0] >= QLatin1Char('a') && name[0] <= QLatin1Char('z'))
    name[0] = name[0].toUpper();
  return name;
}

QString MainCaption(const QString& fileName) {
  return MainText::CaptionPrefix() + CaptionName(fileName);
}
