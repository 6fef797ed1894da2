#include "WorkbookParts.h"

#include <unzip.h>

#include <QRegularExpression>
#include <stdexcept>

namespace export_test {

std::map<QString, QByteArray> WorkbookParts(const QString& fileName) {
  unzFile zip = unzOpen64(fileName.toLocal8Bit().constData());
  if (!zip) throw std::runtime_error("not a zip file: " + fileName.toStdString());
  std::map<QString, QByteArray> parts;
  for (int status = unzGoToFirstFile(zip); status == UNZ_OK; status = unzGoToNextFile(zip)) {
    char name[512];
    unz_file_info64 info;
    if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK ||
        unzOpenCurrentFile(zip) != UNZ_OK) {
      unzClose(zip);
      throw std::runtime_error("unreadable part in " + fileName.toStdString());
    }
    QByteArray content;
    char buffer[1 << 16];
    int n = 0;
    while ((n = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0) content.append(buffer, n);
    const bool intact = n == 0 && unzCloseCurrentFile(zip) == UNZ_OK;
    if (!intact) {
      unzClose(zip);
      throw std::runtime_error("damaged part " + std::string(name) + " in " + fileName.toStdString());
    }
    parts[QString::fromUtf8(name)] = content;
  }
  unzClose(zip);
  return parts;
}

QStringList SheetNames(const std::map<QString, QByteArray>& parts) {
  const auto workbook = parts.find(QStringLiteral("xl/workbook.xml"));
  if (workbook == parts.end()) throw std::runtime_error("no xl/workbook.xml");
  static const QRegularExpression sheet(QStringLiteral("<sheet name=\"([^\"]*)\""));
  QStringList names;
  for (const QRegularExpressionMatch& m : sheet.globalMatch(QString::fromUtf8(workbook->second)))
    names << m.captured(1);
  return names;
}

int Occurrences(const QByteArray& part, const QByteArray& text) {
  int count = 0;
  for (qsizetype at = part.indexOf(text); at >= 0; at = part.indexOf(text, at + text.size())) ++count;
  return count;
}

}  // namespace export_test
