#include "ValueLabel.h"

#include <cmath>

QString GetValueLabel(double value) {
  const double magnitude = std::fabs(value);
  if (magnitude <= 0.001 || magnitude >= 100000) return QString::asprintf("%.3E", value);
  return QString::asprintf("%.3f", value);
}
