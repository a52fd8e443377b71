#include "evaluator.h"

#include <cmath>

namespace ff {

namespace {

constexpr int kMaxOrder = 30;

// Bernstein weights of degree order - 1 at t, and their derivatives.
void bernstein(int order, double t, double* b, double* d) {
    const int n = order - 1;
    double c = 1;  // binomial(n, i)
    for (int i = 0; i <= n; ++i) {
        b[i] = c * std::pow(t, i) * std::pow(1 - t, n - i);
        double deriv = 0;
        if (i > 0) deriv += i * std::pow(t, i - 1) * std::pow(1 - t, n - i);
        if (i < n) deriv -= (n - i) * std::pow(t, i) * std::pow(1 - t, n - i - 1);
        d[i] = c * deriv;
        c = c * (n - i) / (i + 1);
    }
}

}  // namespace

void Map2::define(int d, float a1, float a2, int ustride, int uo, float b1, float b2, int vstride, int vo,
                  const float* pts) {
    if (d <= 0 || uo < 1 || vo < 1 || uo > kMaxOrder || vo > kMaxOrder || a1 == a2 || b1 == b2 || !pts) return;
    dims = d;
    u1 = a1, u2 = a2, v1 = b1, v2 = b2;
    uorder = uo, vorder = vo;
    points.assign(std::size_t(uo) * vo * d, 0);
    for (int i = 0; i < uo; ++i)
        for (int j = 0; j < vo; ++j)
            for (int k = 0; k < d; ++k) points[(i * vo + j) * d + k] = pts[i * ustride + j * vstride + k];
}

void Map2::evaluate(float u, float v, float* out, float* du, float* dv) const {
    double bu[kMaxOrder], du_w[kMaxOrder], bv[kMaxOrder], dv_w[kMaxOrder];
    // Derivatives are with respect to u and v themselves, not the unit square.
    const double su = 1.0 / (u2 - u1), sv = 1.0 / (v2 - v1);
    bernstein(uorder, (u - u1) * su, bu, du_w);
    bernstein(vorder, (v - v1) * sv, bv, dv_w);
    for (int k = 0; k < dims; ++k) {
        double p = 0, pu = 0, pv = 0;
        for (int i = 0; i < uorder; ++i)
            for (int j = 0; j < vorder; ++j) {
                const double c = points[(i * vorder + j) * dims + k];
                p += bu[i] * bv[j] * c;
                pu += du_w[i] * bv[j] * c;
                pv += bu[i] * dv_w[j] * c;
            }
        out[k] = float(p);
        if (du) du[k] = float(pu * su);
        if (dv) dv[k] = float(pv * sv);
    }
}

bool auto_normal(const float du[3], const float dv[3], float out[3]) {
    const double n[3] = {double(du[1]) * dv[2] - double(du[2]) * dv[1], double(du[2]) * dv[0] - double(du[0]) * dv[2],
                         double(du[0]) * dv[1] - double(du[1]) * dv[0]};
    const double len = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (len == 0) return false;
    for (int k = 0; k < 3; ++k) out[k] = float(n[k] / len);
    return true;
}

}  // namespace ff
