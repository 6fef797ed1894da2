#include "DocumentMessages.h"

namespace DocumentText {

QString CannotSave(const QString& fileName, const QString& reason) {
  return QStringLiteral("The file %1 could not be saved; the file on disk is unchanged.\n%2")
      .arg(fileName, reason);
}

QString ShortWrite() {
  return QStringLiteral("Not all of the file could be written (the disk may be full).");
}

QString CountExpected(int line, int item) {
  return QStringLiteral("Error on Line %1 Item %2\nA count of zero or more was expected but not found.")
      .arg(line)
      .arg(item);
}

QString TooManyLayers(int count, int limit) {
  return QStringLiteral(
             "The file holds %1 soil layers; the program holds at most %2.\n"
             "Only the first %2 layers were read.")
      .arg(count)
      .arg(limit);
}

QString TooManySettlements(int count, int limit) {
  return QStringLiteral(
             "The file holds %1 design-chart settlements; the program holds at most %2.\n"
             "Only the first %2 settlements were read.")
      .arg(count)
      .arg(limit);
}

QString TooManyTZDepths(int count, int limit) {
  return QStringLiteral(
             "The file holds %1 t-z print depths; the program holds at most %2.\n"
             "Only the first %2 depths were read.")
      .arg(count)
      .arg(limit);
}

}  // namespace DocumentText
