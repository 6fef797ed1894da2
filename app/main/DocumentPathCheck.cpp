#include "DocumentPathCheck.h"

#include <QFile>
#include <QFileInfo>

#include "MainText.h"

QString DocumentWriteProblem(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return {};
  if (info.isDir()) return MainText::PathIsFolder(path);
  if (!info.isFile()) return MainText::PathIsNotRegularFile(path);
  return {};
}

QString DocumentReadProblem(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return MainText::PathDoesNotExist(path);
  if (const QString problem = DocumentWriteProblem(path); !problem.isEmpty()) return problem;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return MainText::PathNotReadable(path, file.errorString());
  return {};
}
