#pragma once
// The page's one window and its fixed-function context.

namespace ff {
class Context;
}

namespace web {
// Null until glutCreateWindow has made the WebGL context.
ff::Context* context();
}  // namespace web
