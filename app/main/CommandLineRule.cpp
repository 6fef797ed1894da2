#include "CommandLineRule.h"

#include <QFileInfo>

#include "TProgramData.h"

TStartDocument StartDocument(const QStringList& arguments) {
  TStartDocument start;
  if (arguments.isEmpty() || arguments.first().isEmpty()) return start;
  start.Path = arguments.first();
  if (!start.Path.contains(QLatin1Char('.'))) start.Path += QStringLiteral(".tv8d");
  if (QFileInfo::exists(start.Path)) start.Filter = TProgramData::FilterForFile(start.Path);
  return start;
}
