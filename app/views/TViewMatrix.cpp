#include "TViewMatrix.h"

#include <cmath>
#include <numbers>

double TVec3::Length() const { return std::sqrt(x * x + y * y + z * z); }

TVec3 Cross(TVec3 a, TVec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double Dot(TVec3 a, TVec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

TViewMatrix::TViewMatrix() : fM{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1} {}

TViewMatrix TViewMatrix::FromColumns(const double* values) {
  TViewMatrix m;
  for (std::size_t i = 0; i < 16; ++i) m.fM[i] = values[i];
  return m;
}

void TViewMatrix::MultiplyRight(const std::array<double, 16>& b) {
  std::array<double, 16> r{};
  for (int col = 0; col < 4; ++col)
    for (int row = 0; row < 4; ++row) {
      double sum = 0;
      for (int k = 0; k < 4; ++k)
        sum += fM[std::size_t(k * 4 + row)] * b[std::size_t(col * 4 + k)];
      r[std::size_t(col * 4 + row)] = sum;
    }
  fM = r;
}

void TViewMatrix::Rotate(double degrees, double x, double y, double z) {
  const double length = std::sqrt(x * x + y * y + z * z);
  if (length == 0) return;
  x /= length;
  y /= length;
  z /= length;
  const double a = degrees * std::numbers::pi / 180;
  const double c = std::cos(a), s = std::sin(a), t = 1 - c;
  // Columns of the rotation matrix about the unit axis (x, y, z).
  MultiplyRight({x * x * t + c, y * x * t + z * s, x * z * t - y * s, 0,
                 x * y * t - z * s, y * y * t + c, y * z * t + x * s, 0,
                 x * z * t + y * s, y * z * t - x * s, z * z * t + c, 0,
                 0, 0, 0, 1});
}

void TViewMatrix::Scale(double s) {
  MultiplyRight({s, 0, 0, 0, 0, s, 0, 0, 0, 0, s, 0, 0, 0, 0, 1});
}

void TViewMatrix::Translate(TVec3 o) {
  MultiplyRight({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, o.x, o.y, o.z, 1});
}

TVec3 TViewMatrix::Map(TVec3 p) const {
  return MapDirection(p) + TVec3{At(0, 3), At(1, 3), At(2, 3)};
}

TVec3 TViewMatrix::MapDirection(TVec3 d) const {
  return {At(0, 0) * d.x + At(0, 1) * d.y + At(0, 2) * d.z,
          At(1, 0) * d.x + At(1, 1) * d.y + At(1, 2) * d.z,
          At(2, 0) * d.x + At(2, 1) * d.y + At(2, 2) * d.z};
}

TVec3 TViewMatrix::MapTransposed(TVec3 d) const {
  return {At(0, 0) * d.x + At(1, 0) * d.y + At(2, 0) * d.z,
          At(0, 1) * d.x + At(1, 1) * d.y + At(2, 1) * d.z,
          At(0, 2) * d.x + At(1, 2) * d.y + At(2, 2) * d.z};
}
