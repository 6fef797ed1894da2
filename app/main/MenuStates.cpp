#include "MenuStates.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "TProgramData.h"

TDataMenuState DataMenuState(const TProgramData& document) {
  TDataMenuState s;
  s.EnglishChecked = document.Units() == 1;
  s.SIChecked = document.Units() == 2;
  s.ASDChecked = document.NLRFD == 2;
  s.LRFDChecked = document.NLRFD == 1;
  s.FactorOfSafetyEnabled = document.NLRFD == 2;
  s.ShaftLengthChecked = document.METHOD == 2;
  s.DesignLoadChecked = document.METHOD == 1;
  if (document.METHOD != 1) {
    const bool lengths = document.IPENT > 0;
    const bool charts = document.IChart > 0;
    s.MultipleLengthsChecked = lengths;
    s.DesignChartsChecked = charts;
    s.MultipleLengthsEnabled = !charts;
    s.DesignChartsEnabled = !lengths;
  }
  return s;
}

QString RunFilePath(const QString& documentFile, const QString& extension) {
  // The same replacement as the run-file list makes, so that the program finds the files
  // the engine wrote.
  std::filesystem::path path(QFile::encodeName(documentFile).toStdString());
  path.replace_extension(QFile::encodeName(extension).toStdString());
  return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

TComputationMenuState ComputationMenuState(const QString& documentFile) {
  TComputationMenuState s;
  s.EditInputEnabled = QFileInfo(documentFile).isFile();
  s.EditRunNotesEnabled = QFileInfo(RunFilePath(documentFile, QStringLiteral(".tv8r"))).isFile();
  s.EditOutputEnabled = QFileInfo(RunFilePath(documentFile, QStringLiteral(".tv8o"))).isFile();
  return s;
}
