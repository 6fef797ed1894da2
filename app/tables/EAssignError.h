#pragma once
// Entry error: a typed value that cannot be taken. Numeric entry fields and grid-table
// cells show its message in an information box and keep the previous value.
#include <QString>
#include <stdexcept>

class EAssignError : public std::runtime_error {
 public:
  explicit EAssignError(const QString& message);
  // The message as shown to the user (what() holds the same text in UTF-8).
  const QString& Message() const { return fMessage; }

 private:
  QString fMessage;
};
