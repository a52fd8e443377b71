#pragma once
// The figure's colours, reaching the lit surfaces through GL_COLOR_MATERIAL.

namespace gymnast {

constexpr float kPele[3] = {1.0f, 0.721f, 0.513f};  // bones, neck, head
constexpr float kRoxo[3] = {0.5f, 0.0f, 0.5f};      // trunk
constexpr float kBranco[3] = {1.0f, 1.0f, 1.0f};    // left current after every segment

}  // namespace gymnast
