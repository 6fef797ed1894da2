#include "FileNumberText.h"

#include "NumberText.h"

QString FileRealText(long double value) {
  return FormatGeneral(value, kFileRealDigits, QStringLiteral("."));
}

QString FileIntegerText(int value) { return QString::number(value); }
