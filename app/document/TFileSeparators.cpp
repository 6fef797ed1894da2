#include "TFileSeparators.h"

// The C locale has "." as decimal and "," as thousands separator.
TFileSeparators::TFileSeparators() : fUserLocale(QLocale()) { QLocale::setDefault(QLocale::c()); }

TFileSeparators::~TFileSeparators() { QLocale::setDefault(fUserLocale); }
