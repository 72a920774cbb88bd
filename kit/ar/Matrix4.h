#pragma once
// Scene math in single precision, as the scene graph keeps it: three-component vectors and 4x4
// matrices stored column by column (element [column * 4 + row]), acting on column vectors.
#include <array>

namespace kit::ar {

struct Vector3 {
    float x = 0;
    float y = 0;
    float z = 0;
    friend bool operator==(const Vector3&, const Vector3&) = default;
    Vector3 operator+(const Vector3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vector3 operator-(const Vector3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vector3 operator*(float s) const { return {x * s, y * s, z * s}; }
};

float dot(const Vector3& a, const Vector3& b);
Vector3 cross(const Vector3& a, const Vector3& b);
float length(const Vector3& v);

struct Matrix4 {
    std::array<float, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    float& at(int row, int column) { return m[column * 4 + row]; }
    float at(int row, int column) const { return m[column * 4 + row]; }
    friend bool operator==(const Matrix4&, const Matrix4&) = default;

    static Matrix4 identity() { return {}; }
    static Matrix4 translation(const Vector3& t);
    static Matrix4 scaling(const Vector3& s);
    // A right-handed turn by `angle` radians about the axis (normalised here).
    static Matrix4 rotation(float angle, float x, float y, float z);

    Matrix4 operator*(const Matrix4& o) const;
    Vector3 transformPoint(const Vector3& p) const;
    Vector3 transformDirection(const Vector3& d) const;
    // The fourth column.
    Vector3 translationPart() const { return {m[12], m[13], m[14]}; }
    // None when the matrix is singular (a node scaled to zero).
    bool inverted(Matrix4& out) const;
};

// Euler angles (x pitch, y yaw, z roll) turn the node about its own axes by roll first, then yaw,
// then pitch; as a matrix on column vectors R = Rz(z) * Ry(y) * Rx(x). So a node laid flat by its
// pitch turns within the floor by its yaw.
Matrix4 rotationFromEuler(const Vector3& angles);
// The angles of a pure rotation under the convention above; y is kept within [-pi/2, pi/2].
Vector3 eulerFromRotation(const Matrix4& rotation);

} // namespace kit::ar
