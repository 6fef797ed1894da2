#include "ValueLabel.h"

#include <algorithm>
#include <cmath>

QString GetValueLabel(double value) {
  const double magnitude = std::fabs(value);
  if (magnitude <= 0.001 || magnitude >= 100000) return QString::asprintf("%.3E", value);
  return QString::asprintf("%.3f", value);
}

QRectF ClearOfOthers(QRectF box, const std::vector<QRectF>& taken, qreal step) {
  if (!(step > 0)) return box;
  const auto overlaps = [&box](const QRectF& other) { return box.intersects(other); };
  // Each step moves the box down past part of one taken box at least, so this ends below
  // them all at the latest.
  while (std::any_of(taken.begin(), taken.end(), overlaps)) box.translate(0, step);
  return box;
}
