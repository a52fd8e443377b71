#pragma once
// Column-major 4x4 matrices as OpenGL lays them out, and the matrix stacks.

#include <array>
#include <vector>

namespace ff {

using Mat4 = std::array<float, 16>;

Mat4 identity();
Mat4 multiply(const Mat4& a, const Mat4& b);  // a * b
Mat4 translation(float x, float y, float z);
Mat4 scaling(float x, float y, float z);
// Rotation by angle degrees about (x, y, z), which need not be unit length.
Mat4 rotation(float angle, float x, float y, float z);
Mat4 frustum(double l, double r, double b, double t, double n, double f);
Mat4 ortho(double l, double r, double b, double t, double n, double f);
Mat4 perspective(double fovy, double aspect, double n, double f);
Mat4 look_at(double ex, double ey, double ez, double cx, double cy, double cz, double ux, double uy, double uz);

void transform_point(const Mat4& m, const float in[3], float out[3]);  // w = 1, no division
void transform_vec4(const Mat4& m, const float in[4], float out[4]);
// The inverse transpose of m's upper 3x3, for normals, row-major; false when singular.
bool normal_matrix(const Mat4& m, float out[9]);
void transform_normal(const float nm[9], const float in[3], float out[3]);

// A stack that never empties; pushes past its depth and pops of the last
// entry are refused, as OpenGL refuses them with a stack error.
class MatrixStack {
public:
    explicit MatrixStack(std::size_t depth) : depth_(depth), entries_{identity()} {}
    Mat4& top() { return entries_.back(); }
    const Mat4& top() const { return entries_.back(); }
    bool push();
    bool pop();
    std::size_t size() const { return entries_.size(); }

private:
    std::size_t depth_;
    std::vector<Mat4> entries_;
};

}  // namespace ff
