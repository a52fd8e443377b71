#include "mat4.h"

#include <cmath>

namespace ff {

namespace {
constexpr double kPi = 3.14159265358979323846;
}

Mat4 identity() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Mat4 multiply(const Mat4& a, const Mat4& b) {
    Mat4 r{};
    for (int c = 0; c < 4; ++c)
        for (int row = 0; row < 4; ++row) {
            float s = 0;
            for (int k = 0; k < 4; ++k) s += a[k * 4 + row] * b[c * 4 + k];
            r[c * 4 + row] = s;
        }
    return r;
}

Mat4 translation(float x, float y, float z) {
    Mat4 m = identity();
    m[12] = x;
    m[13] = y;
    m[14] = z;
    return m;
}

Mat4 scaling(float x, float y, float z) {
    Mat4 m = identity();
    m[0] = x;
    m[5] = y;
    m[10] = z;
    return m;
}

Mat4 rotation(float angle, float x, float y, float z) {
    const double len = std::sqrt(double(x) * x + double(y) * y + double(z) * z);
    if (len == 0) return identity();
    const double ux = x / len, uy = y / len, uz = z / len;
    const double a = angle * kPi / 180, c = std::cos(a), s = std::sin(a), t = 1 - c;
    Mat4 m = identity();
    m[0] = float(ux * ux * t + c);
    m[1] = float(uy * ux * t + uz * s);
    m[2] = float(ux * uz * t - uy * s);
    m[4] = float(ux * uy * t - uz * s);
    m[5] = float(uy * uy * t + c);
    m[6] = float(uy * uz * t + ux * s);
    m[8] = float(ux * uz * t + uy * s);
    m[9] = float(uy * uz * t - ux * s);
    m[10] = float(uz * uz * t + c);
    return m;
}

Mat4 frustum(double l, double r, double b, double t, double n, double f) {
    Mat4 m{};
    m[0] = float(2 * n / (r - l));
    m[5] = float(2 * n / (t - b));
    m[8] = float((r + l) / (r - l));
    m[9] = float((t + b) / (t - b));
    m[10] = float(-(f + n) / (f - n));
    m[11] = -1;
    m[14] = float(-2 * f * n / (f - n));
    return m;
}

Mat4 ortho(double l, double r, double b, double t, double n, double f) {
    Mat4 m = identity();
    m[0] = float(2 / (r - l));
    m[5] = float(2 / (t - b));
    m[10] = float(-2 / (f - n));
    m[12] = float(-(r + l) / (r - l));
    m[13] = float(-(t + b) / (t - b));
    m[14] = float(-(f + n) / (f - n));
    return m;
}

Mat4 perspective(double fovy, double aspect, double n, double f) {
    const double half = fovy * kPi / 360;
    const double s = std::sin(half);
    if (f == n || s == 0 || aspect == 0) return identity();  // left as it was, like GLU
    const double cot = std::cos(half) / s;
    Mat4 m{};
    m[0] = float(cot / aspect);
    m[5] = float(cot);
    m[10] = float(-(f + n) / (f - n));
    m[11] = -1;
    m[14] = float(-2 * n * f / (f - n));
    return m;
}

Mat4 look_at(double ex, double ey, double ez, double cx, double cy, double cz, double ux, double uy, double uz) {
    double f[3] = {cx - ex, cy - ey, cz - ez};
    const double fl = std::sqrt(f[0] * f[0] + f[1] * f[1] + f[2] * f[2]);
    if (fl > 0)
        for (double& v : f) v /= fl;
    // side = forward x up, then up = side x forward
    double s[3] = {f[1] * uz - f[2] * uy, f[2] * ux - f[0] * uz, f[0] * uy - f[1] * ux};
    const double sl = std::sqrt(s[0] * s[0] + s[1] * s[1] + s[2] * s[2]);
    if (sl > 0)
        for (double& v : s) v /= sl;
    const double u[3] = {s[1] * f[2] - s[2] * f[1], s[2] * f[0] - s[0] * f[2], s[0] * f[1] - s[1] * f[0]};
    Mat4 m = identity();
    for (int i = 0; i < 3; ++i) {
        m[i * 4 + 0] = float(s[i]);
        m[i * 4 + 1] = float(u[i]);
        m[i * 4 + 2] = float(-f[i]);
    }
    return multiply(m, translation(float(-ex), float(-ey), float(-ez)));
}

void transform_point(const Mat4& m, const float in[3], float out[3]) {
    for (int r = 0; r < 3; ++r) out[r] = m[r] * in[0] + m[4 + r] * in[1] + m[8 + r] * in[2] + m[12 + r];
}

void transform_vec4(const Mat4& m, const float in[4], float out[4]) {
    for (int r = 0; r < 4; ++r) out[r] = m[r] * in[0] + m[4 + r] * in[1] + m[8 + r] * in[2] + m[12 + r] * in[3];
}

bool normal_matrix(const Mat4& m, float out[9]) {
    // a[r][c] is the upper 3x3; the inverse transpose is the cofactor matrix over the determinant.
    auto a = [&](int r, int c) { return double(m[c * 4 + r]); };
    double cof[3][3];
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const int r1 = (r + 1) % 3, r2 = (r + 2) % 3, c1 = (c + 1) % 3, c2 = (c + 2) % 3;
            cof[r][c] = a(r1, c1) * a(r2, c2) - a(r1, c2) * a(r2, c1);
        }
    const double det = a(0, 0) * cof[0][0] + a(0, 1) * cof[0][1] + a(0, 2) * cof[0][2];
    if (det == 0) return false;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) out[r * 3 + c] = float(cof[r][c] / det);
    return true;
}

void transform_normal(const float nm[9], const float in[3], float out[3]) {
    for (int r = 0; r < 3; ++r) out[r] = nm[r * 3] * in[0] + nm[r * 3 + 1] * in[1] + nm[r * 3 + 2] * in[2];
}

bool MatrixStack::push() {
    if (entries_.size() >= depth_) return false;
    entries_.push_back(entries_.back());
    return true;
}

bool MatrixStack::pop() {
    if (entries_.size() <= 1) return false;
    entries_.pop_back();
    return true;
}

}  // namespace ff
