// Plot-data files for the results-loading tests: written by the engine for the bundled
// examples (or for an edited copy of one), and small files written by hand.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <string>

namespace results_test {

// The plot-data file the engine writes for examples/<example>, after `edit` changed the
// problem text. Runs the engine once per example and edit name; throws when the run fails.
QByteArray EnginePlotData(const std::string& example, const std::string& editName = {},
                          const std::function<std::string(std::string)>& edit = {});

// A folder that lives as long as the object, for files the loader reads by name.
class FileFolder {
 public:
  FileFolder();
  // Writes `text` as `name` in the folder and returns its path.
  QString Write(const QString& name, const QByteArray& text) const;
  QString Path(const QString& name) const { return fDir.filePath(name); }

 private:
  QTemporaryDir fDir;
};

}  // namespace results_test
