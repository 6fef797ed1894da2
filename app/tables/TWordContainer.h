#pragma once
// One line of a file as the word reader holds it: its words in order and the line exactly
// as read.
#include <QString>
#include <QStringList>

class TWordContainer {
 public:
  explicit TWordContainer(const QString& line);

  const QStringList& Words() const { return fWords; }
  const QString& OrigString() const { return fOrigString; }
  int Count() const { return static_cast<int>(fWords.size()); }

 private:
  QStringList fWords;
  QString fOrigString;
};
