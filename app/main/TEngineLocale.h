#pragma once
// The decimal separator forced to "." for the duration of an analysis: the program's own
// locale and the process's C numeric locale both, so that nothing of the run depends on the
// user's regional settings. The user's settings come back when the object goes, on every
// way out of the run.
#include <QLocale>
#include <string>

class TEngineLocale {
 public:
  TEngineLocale();
  ~TEngineLocale();
  TEngineLocale(const TEngineLocale&) = delete;
  TEngineLocale& operator=(const TEngineLocale&) = delete;

 private:
  QLocale fUserLocale;
  std::string fUserNumeric;
};
