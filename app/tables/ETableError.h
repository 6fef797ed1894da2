#pragma once
// Error of the grid-table machinery itself: an internal consistency check that failed, a
// wrong row limit, or a table definition that cannot be read. The message is fixed text
// meant for the user's error report.
#include <QString>
#include <stdexcept>

class ETableError : public std::runtime_error {
 public:
  explicit ETableError(const QString& message);
  const QString& Message() const { return fMessage; }

 private:
  QString fMessage;
};
