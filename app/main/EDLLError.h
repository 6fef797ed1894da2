#pragma once
// Errors of loading a run-time library: the family the run command catches around the
// engine library.
#include <QString>
#include <stdexcept>

class EDLLError : public std::runtime_error {
 public:
  explicit EDLLError(const QString& message)
      : std::runtime_error(message.toStdString()), fMessage(message) {}
  const QString& Message() const { return fMessage; }

 private:
  QString fMessage;
};

// The library was found but could not be made ready (its own loading failed).
class EInitError : public EDLLError {
 public:
  using EDLLError::EDLLError;
};

// The library, or a library it needs, is not there.
class EFileNotFoundError : public EDLLError {
 public:
  using EDLLError::EDLLError;
};

// A procedure was looked up in a library that is not open.
class EDLLNotOpenError : public EDLLError {
 public:
  using EDLLError::EDLLError;
};
