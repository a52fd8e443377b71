#include "webgl_backend.h"

#include <webgl/webgl1.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <tuple>
#include <string>

namespace ff {

namespace {

// One program per combination of switches: the choices are made when the
// program is compiled, so each vertex runs only the lighting it needs.
const char* kVertexShader = R"(
precision highp float;
attribute vec3 aPos;
attribute vec3 aNormal;
attribute vec4 aColor;
attribute vec2 aTex;
uniform mat4 uProjection, uModelView;
uniform mat3 uNormalMatrix;
varying vec4 vFront;
#if TWO_SIDE
varying vec4 vBack;
#endif
varying vec2 vTex;
#if LIGHTING
#if LIGHTS > 0
uniform vec4 uLightPos[LIGHTS], uLightAmbient[LIGHTS], uLightDiffuse[LIGHTS], uLightSpecular[LIGHTS];
uniform vec3 uLightAtten[LIGHTS], uSpotDir[LIGHTS];
uniform vec2 uSpot[LIGHTS];  // exponent, cosine of the cutoff
#endif
uniform vec4 uModelAmbient;
uniform vec4 uMatAmbient[2], uMatDiffuse[2], uMatSpecular[2], uMatEmission[2];
uniform float uMatShininess[2];

// OpenGL's lighting equation for one face, with the normal as given.
vec4 shade(vec4 ma, vec4 md, vec4 ms, vec4 me, float sh, bool tracked, vec3 p, vec3 n) {
#if COLOR_MATERIAL == 1 || COLOR_MATERIAL == 3
    if (tracked) ma = aColor;
#endif
#if COLOR_MATERIAL == 2 || COLOR_MATERIAL == 3
    if (tracked) md = aColor;
#endif
#if COLOR_MATERIAL == 4
    if (tracked) ms = aColor;
#endif
#if COLOR_MATERIAL == 5
    if (tracked) me = aColor;
#endif
    vec3 c = me.rgb + ma.rgb * uModelAmbient.rgb;
    bool saturated = false;
#if LIGHTS > 0
    for (int i = 0; i < LIGHTS; ++i) {
        vec3 l;
        float att = 1.0;
        if (uLightPos[i].w != 0.0) {
            vec3 d = uLightPos[i].xyz / uLightPos[i].w - p;
            float dist = length(d);
            l = d / dist;
            att = 1.0 / (uLightAtten[i].x + uLightAtten[i].y * dist + uLightAtten[i].z * dist * dist);
            if (uSpot[i].y > -1.0) {
                float s = dot(-l, normalize(uSpotDir[i]));
                att *= s < uSpot[i].y ? 0.0 : pow(max(s, 0.0), uSpot[i].x);
            }
        } else {
            l = normalize(uLightPos[i].xyz);
        }
        float nl = dot(n, l);
        vec3 term = ma.rgb * uLightAmbient[i].rgb + max(nl, 0.0) * md.rgb * uLightDiffuse[i].rgb;
        if (nl > 0.0) {
#if LOCAL_VIEWER
            vec3 h = normalize(l + normalize(-p));
#else
            vec3 h = normalize(l + vec3(0.0, 0.0, 1.0));
#endif
            float nh = max(dot(n, h), 0.0);
            float f = sh == 0.0 ? 1.0 : (nh > 0.0 ? pow(nh, sh) : 0.0);
            // A normal longer than 1 (scaled, not normalised) can push the
            // power past the float range; the desktop's rasteriser then shows
            // every channel at full, zeros times infinity included.
            if (f > 1.0e38) saturated = true;
            term += f * ms.rgb * uLightSpecular[i].rgb;
        }
        c += att * term;
    }
#endif
    if (saturated) c = vec3(1.0);
    return clamp(vec4(c, md.a), 0.0, 1.0);
}
#endif

void main() {
    vec3 p = (uModelView * vec4(aPos, 1.0)).xyz;
#if LIGHTING
    vec3 n = uNormalMatrix * aNormal;
#if NORMALIZE
    n = normalize(n);
#endif
    vFront = shade(uMatAmbient[0], uMatDiffuse[0], uMatSpecular[0], uMatEmission[0], uMatShininess[0],
                   COLOR_FACES != 2, p, n);
#if TWO_SIDE
    vBack = shade(uMatAmbient[1], uMatDiffuse[1], uMatSpecular[1], uMatEmission[1], uMatShininess[1],
                  COLOR_FACES != 1, p, -n);
#endif
#else
    vFront = aColor;
#if TWO_SIDE
    vBack = aColor;
#endif
#endif
    vTex = aTex;
    gl_Position = uProjection * vec4(p, 1.0);
    gl_PointSize = 1.0;
}
)";

const char* kFragmentShader = R"(
precision mediump float;
varying vec4 vFront;
#if TWO_SIDE
varying vec4 vBack;
#endif
varying vec2 vTex;
uniform sampler2D uSampler;
void main() {
#if TWO_SIDE
    vec4 c = gl_FrontFacing ? vFront : vBack;
#else
    vec4 c = vFront;
#endif
#if TEXTURE
    vec4 t = texture2D(uSampler, vTex);
#if TEX_ENV == 1
    c = t;
#elif TEX_ENV == 2
    c = vec4(mix(c.rgb, t.rgb, t.a), c.a);
#else
    c *= t;
#endif
#endif
    gl_FragColor = c;
}
)";

GLuint compile(GLenum type, const std::string& source) {
    const GLuint s = emscripten_glCreateShader(type);
    const char* text = source.c_str();
    emscripten_glShaderSource(s, 1, &text, nullptr);
    emscripten_glCompileShader(s);
    GLint ok = 0;
    emscripten_glGetShaderiv(s, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[2048];
        emscripten_glGetShaderInfoLog(s, sizeof log, nullptr, log);
        std::fprintf(stderr, "fixed-function shader: %s\n", log);
    }
    return s;
}

}  // namespace

WebGLBackend::Key WebGLBackend::key_of(const DrawParams& p) {
    Key k{};
    k.lighting = p.lighting;
    if (p.lighting) {
        k.lights = p.light_count;
        k.two_side = p.two_side;
        k.local_viewer = p.local_viewer;
        k.color_material = int(p.color_material);
        k.color_faces = p.color_material == ColorMaterialMode::off ? 0 : p.color_material_faces;
        k.normalize = p.normalize;
    }
    k.texture = p.texture != 0;
    k.tex_env = k.texture ? int(p.tex_env) : 0;
    return k;
}

WebGLBackend::Program& WebGLBackend::program_for(const DrawParams& p) {
    const Key k = key_of(p);
    auto it = programs_.find(k);
    if (it != programs_.end()) return it->second;
    char defines[512];
    std::snprintf(defines, sizeof defines,
                  "#define LIGHTING %d\n#define LIGHTS %d\n#define TWO_SIDE %d\n#define LOCAL_VIEWER %d\n"
                  "#define COLOR_MATERIAL %d\n#define COLOR_FACES %d\n#define NORMALIZE %d\n#define TEXTURE %d\n"
                  "#define TEX_ENV %d\n",
                  k.lighting, k.lights, k.two_side, k.local_viewer, k.color_material, k.color_faces, k.normalize,
                  k.texture, k.tex_env);
    Program prog;
    prog.id = emscripten_glCreateProgram();
    emscripten_glAttachShader(prog.id, compile(GL_VERTEX_SHADER, defines + std::string(kVertexShader)));
    emscripten_glAttachShader(prog.id, compile(GL_FRAGMENT_SHADER, defines + std::string(kFragmentShader)));
    emscripten_glBindAttribLocation(prog.id, 0, "aPos");
    emscripten_glBindAttribLocation(prog.id, 1, "aNormal");
    emscripten_glBindAttribLocation(prog.id, 2, "aColor");
    emscripten_glBindAttribLocation(prog.id, 3, "aTex");
    emscripten_glLinkProgram(prog.id);
    GLint ok = 0;
    emscripten_glGetProgramiv(prog.id, GL_LINK_STATUS, &ok);
    if (!ok) {
        char log[2048];
        emscripten_glGetProgramInfoLog(prog.id, sizeof log, nullptr, log);
        std::fprintf(stderr, "fixed-function program: %s\n", log);
    }
    auto u = [&](const char* name) { return emscripten_glGetUniformLocation(prog.id, name); };
    prog.projection = u("uProjection");
    prog.modelview = u("uModelView");
    prog.normal_matrix = u("uNormalMatrix");
    prog.light_pos = u("uLightPos");
    prog.light_ambient = u("uLightAmbient");
    prog.light_diffuse = u("uLightDiffuse");
    prog.light_specular = u("uLightSpecular");
    prog.light_atten = u("uLightAtten");
    prog.spot_dir = u("uSpotDir");
    prog.spot = u("uSpot");
    prog.model_ambient = u("uModelAmbient");
    prog.mat_ambient = u("uMatAmbient");
    prog.mat_diffuse = u("uMatDiffuse");
    prog.mat_specular = u("uMatSpecular");
    prog.mat_emission = u("uMatEmission");
    prog.mat_shininess = u("uMatShininess");
    emscripten_glUseProgram(prog.id);
    current_program_ = prog.id;
    emscripten_glUniform1i(u("uSampler"), 0);
    return programs_.emplace(k, prog).first->second;
}

WebGLBackend::WebGLBackend() {
    emscripten_glGenBuffers(1, &index_stream_);
    emscripten_glGenBuffers(1, &buffer_);
    use_buffer(buffer_);
    for (GLuint a = 0; a < 4; ++a) emscripten_glEnableVertexAttribArray(a);
    // OpenGL starts with no depth test and LESS; WebGL's defaults match but say so.
    emscripten_glDepthFunc(GL_LESS);
}

void WebGLBackend::use_buffer(unsigned buffer) {
    if (buffer == current_buffer_) return;
    current_buffer_ = buffer;
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, buffer);
    const GLsizei stride = sizeof(Vertex);
    emscripten_glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, pos)));
    emscripten_glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, normal)));
    emscripten_glVertexAttribPointer(2, 4, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, color)));
    emscripten_glVertexAttribPointer(3, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, tex)));
}

void WebGLBackend::upload(const DrawParams& p) {
    Program& prog = program_for(p);
    if (prog.id != current_program_) {
        emscripten_glUseProgram(prog.id);
        current_program_ = prog.id;
    }
    // Each program keeps its uniforms: send only what differs from what it holds.
    DrawParams& last = prog.last;
    const bool first = !prog.known;
    auto changed = [&](const auto& a, const auto& b) { return first || std::memcmp(&a, &b, sizeof a) != 0; };
    if (changed(p.projection, last.projection))
        emscripten_glUniformMatrix4fv(prog.projection, 1, GL_FALSE, p.projection.data());
    if (changed(p.modelview, last.modelview))
        emscripten_glUniformMatrix4fv(prog.modelview, 1, GL_FALSE, p.modelview.data());
    if (p.lighting && changed(p.normal_matrix, last.normal_matrix)) {
        // WebGL takes no transposing: hand it columns.
        const std::array<float, 9>& r = p.normal_matrix;
        const float columns[9] = {r[0], r[3], r[6], r[1], r[4], r[7], r[2], r[5], r[8]};
        emscripten_glUniformMatrix3fv(prog.normal_matrix, 1, GL_FALSE, columns);
    }
    if (p.lighting && p.light_count > 0 && changed(p.lights, last.lights)) {
        const int n = p.light_count;
        float pos[kMaxLights * 4], amb[kMaxLights * 4], dif[kMaxLights * 4], specular[kMaxLights * 4];
        float att[kMaxLights * 3], dir[kMaxLights * 3], spot[kMaxLights * 2];
        for (int i = 0; i < n; ++i) {
            const LightParams& s = p.lights[i];
            std::memcpy(pos + 4 * i, s.position, 16);
            std::memcpy(amb + 4 * i, s.ambient, 16);
            std::memcpy(dif + 4 * i, s.diffuse, 16);
            std::memcpy(specular + 4 * i, s.specular, 16);
            std::memcpy(att + 3 * i, s.attenuation, 12);
            std::memcpy(dir + 3 * i, s.spot_direction, 12);
            spot[2 * i] = s.spot_exponent;
            spot[2 * i + 1] = s.spot_cos_cutoff;
        }
        emscripten_glUniform4fv(prog.light_pos, n, pos);
        emscripten_glUniform4fv(prog.light_ambient, n, amb);
        emscripten_glUniform4fv(prog.light_diffuse, n, dif);
        emscripten_glUniform4fv(prog.light_specular, n, specular);
        emscripten_glUniform3fv(prog.light_atten, n, att);
        emscripten_glUniform3fv(prog.spot_dir, n, dir);
        emscripten_glUniform2fv(prog.spot, n, spot);
    }
    if (p.lighting && changed(p.model_ambient, last.model_ambient))
        emscripten_glUniform4fv(prog.model_ambient, 1, p.model_ambient);
    if (p.lighting && changed(p.material, last.material)) {
        float a[8], d[8], s[8], e[8], sh[2];
        for (int f = 0; f < 2; ++f) {
            std::memcpy(a + 4 * f, p.material[f].ambient, 16);
            std::memcpy(d + 4 * f, p.material[f].diffuse, 16);
            std::memcpy(s + 4 * f, p.material[f].specular, 16);
            std::memcpy(e + 4 * f, p.material[f].emission, 16);
            sh[f] = p.material[f].shininess;
        }
        emscripten_glUniform4fv(prog.mat_ambient, 2, a);
        emscripten_glUniform4fv(prog.mat_diffuse, 2, d);
        emscripten_glUniform4fv(prog.mat_specular, 2, s);
        emscripten_glUniform4fv(prog.mat_emission, 2, e);
        emscripten_glUniform1fv(prog.mat_shininess, 2, sh);
    }
    last = p;
    prog.known = true;
    if (p.texture && p.texture != bound_texture_) {
        emscripten_glBindTexture(GL_TEXTURE_2D, p.texture);
        bound_texture_ = p.texture;
    }
}

namespace {
GLenum mode_of(Prim prim) { return prim == Prim::points ? GL_POINTS : prim == Prim::lines ? GL_LINES : GL_TRIANGLES; }
}  // namespace

unsigned WebGLBackend::create_buffer(const Vertex* v, std::size_t count) {
    submit();
    GLuint id = 0;
    emscripten_glGenBuffers(1, &id);
    use_buffer(id);
    emscripten_glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(count * sizeof(Vertex)), v, GL_STATIC_DRAW);
    return id;
}

unsigned WebGLBackend::create_indexed_buffer(const Vertex* v, std::size_t count, const unsigned short* indices,
                                             std::size_t index_count) {
    const unsigned id = create_buffer(v, count);
    GLuint ib = 0;
    emscripten_glGenBuffers(1, &ib);
    emscripten_glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ib);
    emscripten_glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(index_count * sizeof(unsigned short)), indices,
                            GL_STATIC_DRAW);
    index_buffers_[id] = ib;
    return id;
}

void WebGLBackend::draw_buffer(Prim prim, unsigned buffer, std::size_t count, const DrawParams& params,
                               const float* color, const float* tex) {
    submit();
    upload(params);
    use_buffer(buffer);
    // A constant attribute stands in for the buffer's own while its array is off.
    if (color) {
        emscripten_glDisableVertexAttribArray(2);
        emscripten_glVertexAttrib4fv(2, color);
    }
    if (tex) {
        emscripten_glDisableVertexAttribArray(3);
        emscripten_glVertexAttrib2f(3, tex[0], tex[1]);
    }
    auto indexed = index_buffers_.find(buffer);
    if (indexed != index_buffers_.end()) {
        emscripten_glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexed->second);
        emscripten_glDrawElements(mode_of(prim), GLsizei(count), GL_UNSIGNED_SHORT, nullptr);
    } else {
        emscripten_glDrawArrays(mode_of(prim), 0, GLsizei(count));
    }
    if (color) emscripten_glEnableVertexAttribArray(2);
    if (tex) emscripten_glEnableVertexAttribArray(3);
}

void WebGLBackend::delete_buffer(unsigned buffer) {
    submit();
    if (current_buffer_ == buffer) current_buffer_ = 0;
    GLuint id = buffer;
    emscripten_glDeleteBuffers(1, &id);
    auto indexed = index_buffers_.find(buffer);
    if (indexed != index_buffers_.end()) {
        emscripten_glDeleteBuffers(1, &indexed->second);
        index_buffers_.erase(indexed);
    }
}

void WebGLBackend::draw(Prim prim, const Vertex* v, std::size_t count, const unsigned* indices,
                        std::size_t index_count, const DrawParams& params) {
    // Held until something else reaches the device: each upload costs the
    // browser about a tenth of a millisecond however small, so the batches
    // go up together, in one buffer, and are drawn from it in order.
    // The upload's size is most of the page's time in a large frame, so an
    // attribute goes up only when the draw's program reads it and it differs
    // between vertices; otherwise one constant value stands for it.
    Pending d{prim, staged_indices_.size(), index_count, params, staged_.size() * sizeof(float), {-1, -1, -1}, {}};
    const Key k = key_of(params);
    const bool read[3] = {k.lighting != 0, !k.lighting || k.color_material != 0, k.texture != 0};
    for (std::size_t i = 0; i < count; ++i) staged_.insert(staged_.end(), v[i].pos, v[i].pos + 3);
    auto stage = [&](int a, std::size_t offset, std::size_t size) {
        const auto field = [&](std::size_t i) { return reinterpret_cast<const char*>(&v[i]) + offset; };
        std::memcpy(d.constants[a], field(0), size);
        bool varies = false;
        for (std::size_t i = 1; i < count && !varies; ++i) varies = std::memcmp(field(i), field(0), size) != 0;
        if (!read[a] || !varies) return;
        d.arrays[a] = long(staged_.size() * sizeof(float));
        for (std::size_t i = 0; i < count; ++i) {
            const float* f = reinterpret_cast<const float*>(field(i));
            staged_.insert(staged_.end(), f, f + size / sizeof(float));
        }
    };
    if (count > 0) {
        stage(0, offsetof(Vertex, normal), sizeof v->normal);
        stage(1, offsetof(Vertex, color), sizeof v->color);
        stage(2, offsetof(Vertex, tex), sizeof v->tex);
    }
    pending_.push_back(d);
    staged_indices_.insert(staged_indices_.end(), indices, indices + index_count);
}

void WebGLBackend::submit() {
    if (pending_.empty()) return;
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, buffer_);
    emscripten_glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(staged_.size() * sizeof(float)), staged_.data(),
                            GL_STREAM_DRAW);
    emscripten_glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, index_stream_);
    emscripten_glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(staged_indices_.size() * sizeof(unsigned)),
                            staged_indices_.data(), GL_STREAM_DRAW);
    bool on[3] = {true, true, true};
    for (const Pending& d : pending_) {
        upload(d.params);  // binds programs and textures, never buffers
        emscripten_glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 0, reinterpret_cast<void*>(d.positions));
        static constexpr int kSizes[3] = {3, 4, 2};
        for (int a = 0; a < 3; ++a) {
            const GLuint location = GLuint(a + 1);
            if (d.arrays[a] >= 0) {
                if (!on[a]) emscripten_glEnableVertexAttribArray(location);
                emscripten_glVertexAttribPointer(location, kSizes[a], GL_FLOAT, GL_FALSE, 0,
                                                 reinterpret_cast<void*>(d.arrays[a]));
            } else {
                if (on[a]) emscripten_glDisableVertexAttribArray(location);
                emscripten_glVertexAttrib4f(location, d.constants[a][0], d.constants[a][1],
                                            kSizes[a] > 2 ? d.constants[a][2] : 0.f, kSizes[a] > 3 ? d.constants[a][3] : 1.f);
            }
            on[a] = d.arrays[a] >= 0;
        }
        emscripten_glDrawElements(mode_of(d.prim), GLsizei(d.count), GL_UNSIGNED_INT,
                                  reinterpret_cast<void*>(d.first * sizeof(unsigned)));
    }
    // The shapes' buffers expect every array on and their own pointers.
    for (int a = 0; a < 3; ++a)
        if (!on[a]) emscripten_glEnableVertexAttribArray(GLuint(a + 1));
    current_buffer_ = 0;
    pending_.clear();
    staged_.clear();
    staged_indices_.clear();
}

void WebGLBackend::clear(unsigned mask, const float color[4], float depth) {
    submit();
    emscripten_glClearColor(color[0], color[1], color[2], color[3]);
    emscripten_glClearDepthf(depth);
    emscripten_glClear(mask & (GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT));
}

void WebGLBackend::viewport(int x, int y, int w, int h) {
    submit();
    emscripten_glViewport(x, y, w, h);
}

void WebGLBackend::set_capability(unsigned cap, bool on) {
    submit();
    if (on)
        emscripten_glEnable(cap);
    else
        emscripten_glDisable(cap);
}

void WebGLBackend::depth_func(unsigned func) {
    submit();
    emscripten_glDepthFunc(func);
}
void WebGLBackend::depth_mask(bool on) {
    submit();
    emscripten_glDepthMask(on);
}
void WebGLBackend::cull_face(unsigned face) {
    submit();
    emscripten_glCullFace(face);
}
void WebGLBackend::front_face(unsigned dir) {
    submit();
    emscripten_glFrontFace(dir);
}
void WebGLBackend::blend_func(unsigned src, unsigned dst) {
    submit();
    emscripten_glBlendFunc(src, dst);
}
void WebGLBackend::line_width(float w) {
    submit();
    emscripten_glLineWidth(w);
}

unsigned WebGLBackend::create_texture() {
    submit();
    GLuint id = 0;
    emscripten_glGenTextures(1, &id);
    return id;
}

void WebGLBackend::delete_texture(unsigned id) {
    submit();
    if (bound_texture_ == id) bound_texture_ = 0;
    emscripten_glDeleteTextures(1, &id);
}

void WebGLBackend::upload_texture(unsigned id, int level, int width, int height, const unsigned char* rgba) {
    submit();
    emscripten_glBindTexture(GL_TEXTURE_2D, id);
    bound_texture_ = id;
    emscripten_glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    emscripten_glTexImage2D(GL_TEXTURE_2D, level, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}

void WebGLBackend::texture_params(unsigned id, unsigned min_filter, unsigned mag_filter, unsigned wrap_s,
                                  unsigned wrap_t) {
    submit();
    emscripten_glBindTexture(GL_TEXTURE_2D, id);
    bound_texture_ = id;
    // WebGL has no GL_CLAMP (border colour); edge clamping is its nearest.
    auto wrap = [](unsigned w) { return w == 0x2900 ? unsigned(GL_CLAMP_TO_EDGE) : w; };
    emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GLint(min_filter));
    emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GLint(mag_filter));
    emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GLint(wrap(wrap_s)));
    emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GLint(wrap(wrap_t)));
}

int WebGLBackend::max_texture_size() {
    submit();
    GLint v = 0;
    emscripten_glGetIntegerv(GL_MAX_TEXTURE_SIZE, &v);
    return v;
}

void WebGLBackend::finish() {
    submit();
    emscripten_glFinish();
}

}  // namespace ff
