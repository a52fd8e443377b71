#pragma once
// Two-dimensional Bezier maps (glMap2): points and partial derivatives.

#include <vector>

namespace ff {

struct Map2 {
    int dims = 0;  // 0: not defined
    float u1 = 0, u2 = 1, v1 = 0, v2 = 1;
    int uorder = 0, vorder = 0;
    std::vector<float> points;  // [i][j][k]: i along u, j along v, tightly packed

    // Copies control points laid out with the given strides, as glMap2f takes them.
    void define(int dims, float u1, float u2, int ustride, int uorder, float v1, float v2, int vstride, int vorder,
                const float* pts);
    // The point at (u, v), and when du/dv are given its partial derivatives along u and v.
    void evaluate(float u, float v, float* out, float* du = nullptr, float* dv = nullptr) const;
};

// A unit normal from the two derivatives (du x dv), or false when they are parallel.
bool auto_normal(const float du[3], const float dv[3], float out[3]);

}  // namespace ff
