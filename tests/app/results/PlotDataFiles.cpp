#include "PlotDataFiles.h"

#include <QFile>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "RunFiles.h"

namespace results_test {
namespace fs = std::filesystem;

QByteArray EnginePlotData(const std::string& example, const std::string& editName,
                          const std::function<std::string(std::string)>& edit) {
  static std::map<std::string, QByteArray> cache;
  const std::string key = example + "|" + editName;
  if (auto found = cache.find(key); found != cache.end()) return found->second;

  std::ifstream in(fs::path(TORVEX_SOURCE_DIR) / "examples" / example, std::ios::binary);
  if (!in) throw std::runtime_error("no example " + example);
  std::ostringstream text;
  text << in.rdbuf();
  std::string problem = text.str();
  if (edit) problem = edit(problem);

  QTemporaryDir dir;
  const fs::path document = fs::path(dir.path().toStdString()) / "job.tv8d";
  std::ofstream(document, std::ios::binary) << problem;
  const tvx::run::RunFileSet files = tvx::run::MakeRunFileSet(document);
  const tvx::run::RunOutcome outcome = tvx::run::RunEngineOnDocument(
      files, fs::path(TORVEX_BIN_DIR) / tvx::run::kEngineLibraryName);
  if (!outcome.called || outcome.status != 0)
    throw std::runtime_error("engine run on " + example + " failed: " + outcome.error +
                             " status " + std::to_string(outcome.status));
  QFile plot(QString::fromStdString(files.plot.string()));
  if (!plot.open(QIODevice::ReadOnly)) throw std::runtime_error("no plot-data file for " + example);
  return cache[key] = plot.readAll();
}

FileFolder::FileFolder() {
  if (!fDir.isValid()) throw std::runtime_error("no temporary folder");
}

QString FileFolder::Write(const QString& name, const QByteArray& text) const {
  const QString path = fDir.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
    throw std::runtime_error("cannot write " + path.toStdString());
  return path;
}

}  // namespace results_test
