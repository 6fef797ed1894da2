// The parts of a written .xlsx package, for tests that look inside a workbook without the
// program's own writer code: the zip is opened with the zip library and every part read.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>

namespace export_test {

// Every part of the package by its name; throws std::runtime_error when the file is not a
// readable zip file.
std::map<QString, QByteArray> WorkbookParts(const QString& fileName);

// The sheet names in workbook order, from xl/workbook.xml.
QStringList SheetNames(const std::map<QString, QByteArray>& parts);

// How often `text` occurs in `part`.
int Occurrences(const QByteArray& part, const QByteArray& text);

}  // namespace export_test
