#pragma once
// Points and the 4 x 4 matrices of the 3D view, in double precision and in the column
// order of the fixed-function pipeline, so that a matrix read back from the pipeline can be
// compared with one built here. Operations multiply on the right, as the pipeline's rotate,
// scale and translate calls do.
#include <array>

struct TVec3 {
  double x = 0, y = 0, z = 0;

  friend TVec3 operator+(TVec3 a, TVec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
  friend TVec3 operator-(TVec3 a, TVec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
  friend TVec3 operator*(TVec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
  friend TVec3 operator/(TVec3 a, double s) { return {a.x / s, a.y / s, a.z / s}; }
  friend bool operator==(TVec3, TVec3) = default;
  double Length() const;
};

TVec3 Cross(TVec3 a, TVec3 b);
double Dot(TVec3 a, TVec3 b);

class TViewMatrix {
 public:
  // The identity.
  TViewMatrix();
  // From 16 values in column order (as read back from the pipeline).
  static TViewMatrix FromColumns(const double* values);

  // This matrix times a rotation of `degrees` about the axis (x, y, z) (right-handed,
  // counter-clockwise looking down the axis), a scale, or a translation.
  void Rotate(double degrees, double x, double y, double z);
  void Scale(double s);
  void Translate(TVec3 offset);

  // The matrix applied to a point (with translation) or a direction (without).
  TVec3 Map(TVec3 point) const;
  TVec3 MapDirection(TVec3 direction) const;
  // The transposed 3 x 3 part applied to a direction: the inverse of a rotation.
  TVec3 MapTransposed(TVec3 direction) const;

  double At(int row, int column) const { return fM[std::size_t(column * 4 + row)]; }
  const double* Columns() const { return fM.data(); }

 private:
  void MultiplyRight(const std::array<double, 16>& other);
  std::array<double, 16> fM;
};
