#pragma once
// Forces the decimal separator to "." and the thousands separator to "," while a document
// is read or written, and gives the user's own settings back when it goes out of scope,
// also when the reading or writing fails.
#include <QLocale>

class TFileSeparators {
 public:
  TFileSeparators();
  ~TFileSeparators();
  TFileSeparators(const TFileSeparators&) = delete;
  TFileSeparators& operator=(const TFileSeparators&) = delete;

 private:
  QLocale fUserLocale;
};
