#include "kit/ar/Matrix4.h"

#include <algorithm>
#include <cmath>

namespace kit::ar {

float dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector3 cross(const Vector3& a, const Vector3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float length(const Vector3& v) { return std::sqrt(dot(v, v)); }

Matrix4 Matrix4::translation(const Vector3& t) {
    Matrix4 r;
    r.m[12] = t.x;
    r.m[13] = t.y;
    r.m[14] = t.z;
    return r;
}

Matrix4 Matrix4::scaling(const Vector3& s) {
    Matrix4 r;
    r.m[0] = s.x;
    r.m[5] = s.y;
    r.m[10] = s.z;
    return r;
}

Matrix4 Matrix4::rotation(float angle, float x, float y, float z) {
    float len = std::sqrt(x * x + y * y + z * z);
    if (len == 0) return {};
    x /= len;
    y /= len;
    z /= len;
    float c = std::cos(angle), s = std::sin(angle), t = 1 - c;
    Matrix4 r;
    r.at(0, 0) = t * x * x + c;
    r.at(0, 1) = t * x * y - s * z;
    r.at(0, 2) = t * x * z + s * y;
    r.at(1, 0) = t * x * y + s * z;
    r.at(1, 1) = t * y * y + c;
    r.at(1, 2) = t * y * z - s * x;
    r.at(2, 0) = t * x * z - s * y;
    r.at(2, 1) = t * y * z + s * x;
    r.at(2, 2) = t * z * z + c;
    return r;
}

Matrix4 Matrix4::operator*(const Matrix4& o) const {
    Matrix4 r;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += at(row, k) * o.at(k, col);
            r.at(row, col) = sum;
        }
    return r;
}

Vector3 Matrix4::transformPoint(const Vector3& p) const {
    return {at(0, 0) * p.x + at(0, 1) * p.y + at(0, 2) * p.z + at(0, 3),
            at(1, 0) * p.x + at(1, 1) * p.y + at(1, 2) * p.z + at(1, 3),
            at(2, 0) * p.x + at(2, 1) * p.y + at(2, 2) * p.z + at(2, 3)};
}

Vector3 Matrix4::transformDirection(const Vector3& d) const {
    return {at(0, 0) * d.x + at(0, 1) * d.y + at(0, 2) * d.z, at(1, 0) * d.x + at(1, 1) * d.y + at(1, 2) * d.z,
            at(2, 0) * d.x + at(2, 1) * d.y + at(2, 2) * d.z};
}

bool Matrix4::inverted(Matrix4& out) const {
    // Affine inverse: the 3x3 part by cofactors, then the translation.
    float a = at(0, 0), b = at(0, 1), c = at(0, 2);
    float d = at(1, 0), e = at(1, 1), f = at(1, 2);
    float g = at(2, 0), h = at(2, 1), i = at(2, 2);
    float det = a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
    if (!std::isfinite(det) || std::fabs(det) < 1e-12f) return false;
    float k = 1 / det;
    Matrix4 r;
    r.at(0, 0) = (e * i - f * h) * k;
    r.at(0, 1) = (c * h - b * i) * k;
    r.at(0, 2) = (b * f - c * e) * k;
    r.at(1, 0) = (f * g - d * i) * k;
    r.at(1, 1) = (a * i - c * g) * k;
    r.at(1, 2) = (c * d - a * f) * k;
    r.at(2, 0) = (d * h - e * g) * k;
    r.at(2, 1) = (b * g - a * h) * k;
    r.at(2, 2) = (a * e - b * d) * k;
    Vector3 t = r.transformDirection(translationPart());
    r.m[12] = -t.x;
    r.m[13] = -t.y;
    r.m[14] = -t.z;
    out = r;
    return true;
}

Matrix4 rotationFromEuler(const Vector3& angles) {
    return Matrix4::rotation(angles.z, 0, 0, 1) * Matrix4::rotation(angles.y, 0, 1, 0) *
           Matrix4::rotation(angles.x, 1, 0, 0);
}

Vector3 eulerFromRotation(const Matrix4& r) {
    float sinY = std::clamp(-r.at(2, 0), -1.0f, 1.0f);
    float y = std::asin(sinY);
    if (std::fabs(sinY) > 0.99999f) {
        // Pitch and roll turn about the same axis here: give it all to pitch.
        return {std::atan2(-r.at(1, 2), r.at(1, 1)), y, 0};
    }
    return {std::atan2(r.at(2, 1), r.at(2, 2)), y, std::atan2(r.at(1, 0), r.at(0, 0))};
}

} // namespace kit::ar
