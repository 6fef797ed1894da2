#include "MainText.h"

namespace MainText {

QString CaptionPrefix() {
  return QString::fromLatin1(kProgramName) + QStringLiteral(" ") + QString::fromLatin1(kVersion) +
         QStringLiteral(" - ");
}

QString SettingRecentFile(int k) { return QStringLiteral("File%1").arg(k); }

QString OpenDialogTitle() { return QStringLiteral("Open"); }

QString OpenFilters() {
  return QStringLiteral(
      "TORVEX 2017(*.tv8d);;TORVEX 2012(*.tvd);;TORVEX 6.0(*.tvd);;All Files(*.*)");
}

QString SaveAsTitle(const QString& captionName) {
  return QStringLiteral("Save ") + captionName + QStringLiteral(" As");
}

QString SaveAsFilters() { return QStringLiteral("TORVEX 2017(*.tv8d);;All File(*.*)"); }

QString SaveChangesQuestion() { return QStringLiteral("Do you want to save any changes?"); }

QString WordProcessorFailed() {
  return QStringLiteral("An error occurred in running the Word Processor");
}

QString ManualMissing(const QString& path) {
  return QStringLiteral("The file %1 is not in the program folder, so it cannot be opened.")
      .arg(path);
}

QString ManualNotOpened(const QString& path) {
  return QStringLiteral("No program of this desktop could open the file %1.").arg(path);
}

QString PathIsFolder(const QString& path) {
  return QStringLiteral("The document %1 cannot be used: it is a folder, not a file.").arg(path);
}

QString PathIsNotRegularFile(const QString& path) {
  return QStringLiteral(
             "The document %1 cannot be used: it is a device, pipe or other special file, "
             "not a regular file.")
      .arg(path);
}

QString PathDoesNotExist(const QString& path) {
  return QStringLiteral("The document %1 cannot be used: the file does not exist.").arg(path);
}

QString PathNotReadable(const QString& path, const QString& reason) {
  return QStringLiteral("The document %1 cannot be used: the file cannot be read (%2).")
      .arg(path, reason);
}

QString SavingErrorDuringRun(const QString& reason) {
  return QStringLiteral("An error occured during saving") + QLatin1Char('\r') + reason;
}

QString NoSoilLayers() {
  return QStringLiteral(
      "The soil profile has no layers.\rAdd at least one soil layer before running the "
      "analysis.");
}

QString ThicknessWarning(const QString& minimum, const QString& unit, int layer,
                         const QString& thickness) {
  return QStringLiteral("Thickness of layer should be at least ") + minimum + unit +
         QStringLiteral("\r") + QStringLiteral("to avoid numerical errors. ") +
         QStringLiteral("\r") + QStringLiteral("Please check layer ") + QString::number(layer) +
         QStringLiteral(" . Thickness = ") + thickness + unit;
}

QString BottomDepthWarning(const QString& depth, const QString& unit, const QString& required) {
  return QStringLiteral("Depth of Bottom Layer, ") + depth + unit + QStringLiteral("\r") +
         QStringLiteral("should be at least the shaft length plus two shaft diameters ") +
         required + unit + QStringLiteral("\r") + QStringLiteral("to perform analysis. ") +
         QStringLiteral("\r") + QStringLiteral("Please check !");
}

QString AnotherRunInFolder(const QString& folder) {
  return QStringLiteral(
             "The analysis was not started because another analysis is running in this "
             "folder:\r%1\rRun it again when that analysis has finished.")
      .arg(folder);
}

QString CannotWriteRunFileList(const QString& folder, const QString& reason) {
  return QStringLiteral("The run-file list names.dat cannot be written in the folder %1 (%2).")
      .arg(folder, reason);
}

QString RunPathTooLong(const QString& path, int limit) {
  return QStringLiteral(
             "The path %1 is longer than %2 characters, which the analysis cannot take.\r"
             "Save the document in a folder with a shorter path.")
      .arg(path)
      .arg(limit);
}

QString ReinitializeDLL() { return QStringLiteral("Attempt to reinitialize DLL"); }

QString InitializeDLLFailed() { return QStringLiteral("Attempt to initialize DLL failed"); }

QString RunCompleted() {
  return QStringLiteral(
      "Computations are completed.\rPlease, check output file for results or error messages.");
}

QString RunCompletedWithErrors() {
  return QStringLiteral(
      "Computations are completed, but there may be errors.\rPlease, check output file for "
      "results or error messages.");
}

QString RunStoppedNotFinite() {
  return QStringLiteral(
      "Computations stopped: a computed value is not a finite number, and the results cannot "
      "be used.\rPlease, check the run notes or the output file for the message and the values "
      "of the problem.");
}

QString LibraryFailedToInitialize() {
  return QStringLiteral("Library failed to properly initialize");
}

QString LibraryNotLocated() { return QStringLiteral("Library could not be located"); }

QString ErrorLoadingLibrary(const QString& loaderError) {
  return QStringLiteral("Error Loading Library, error code = ") + loaderError;
}

QString LibraryNotOpen() { return QStringLiteral("Library is not open"); }

QString ErrorGettingFunction(const QString& loaderError) {
  return QStringLiteral("Error Getting Function, error code = ") + loaderError;
}

QString AboutTitle() { return QStringLiteral("About TORVEX"); }
QString AboutProduct() { return QStringLiteral("TORVEX"); }
QString AboutVersion() { return QStringLiteral("Version ") + QString::fromLatin1(kVersion); }
QString AboutDescription() { return QStringLiteral("Vertically Loaded Drilled Shaft Analysis"); }
QString AboutMaker() { return QStringLiteral("Calverin Geotechnical Software"); }
QString AboutCopyright() {
  return QStringLiteral("Copyright (C) 2017 Calverin. All rights reserved.");
}

}  // namespace MainText
