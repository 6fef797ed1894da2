#include "TEngineLocale.h"

#include <clocale>

TEngineLocale::TEngineLocale() : fUserLocale(QLocale()) {
  if (const char* numeric = std::setlocale(LC_NUMERIC, nullptr)) fUserNumeric = numeric;
  QLocale::setDefault(QLocale::c());
  std::setlocale(LC_NUMERIC, "C");
}

TEngineLocale::~TEngineLocale() {
  QLocale::setDefault(fUserLocale);
  if (!fUserNumeric.empty()) std::setlocale(LC_NUMERIC, fUserNumeric.c_str());
}
