#pragma once
// Input/output error of a file reader: the file cannot be opened or read, ends early, or
// holds a word that is not the number expected. Readers of documents and result files
// catch this one class and show its message.
#include <QString>
#include <stdexcept>

class EInOutError : public std::runtime_error {
 public:
  explicit EInOutError(const QString& message);
  const QString& Message() const { return fMessage; }

 private:
  QString fMessage;
};
