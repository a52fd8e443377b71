#include "webgl_backend.h"

#include <webgl/webgl1.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace ff {

namespace {

const char* kVertexShader = R"(
precision highp float;
attribute vec3 aPos;
attribute vec3 aNormal;
attribute vec4 aColor;
attribute vec2 aTex;
uniform mat4 uProjection;
uniform bool uLighting, uTwoSide, uLocalViewer, uNormalize;
uniform int uLightCount;
uniform vec4 uLightPos[8], uLightAmbient[8], uLightDiffuse[8], uLightSpecular[8];
uniform vec3 uLightAtten[8], uSpotDir[8];
uniform vec2 uSpot[8];  // exponent, cosine of the cutoff
uniform vec4 uModelAmbient;
uniform vec4 uMatAmbient[2], uMatDiffuse[2], uMatSpecular[2], uMatEmission[2];
uniform float uMatShininess[2];
uniform int uColorMaterial;  // 0 off, 1 ambient, 2 diffuse, 3 both, 4 specular, 5 emission
uniform int uColorMaterialFaces;
varying vec4 vFront, vBack;
varying vec2 vTex;

bool tracks(int face) {
    if (uColorMaterial == 0) return false;
    if (face == 0) return uColorMaterialFaces != 2;
    return uColorMaterialFaces != 1;
}

// OpenGL's lighting equation for one face, with the normal as given.
vec4 shade(int face, vec3 p, vec3 n) {
    vec4 ma = face == 0 ? uMatAmbient[0] : uMatAmbient[1];
    vec4 md = face == 0 ? uMatDiffuse[0] : uMatDiffuse[1];
    vec4 ms = face == 0 ? uMatSpecular[0] : uMatSpecular[1];
    vec4 me = face == 0 ? uMatEmission[0] : uMatEmission[1];
    float sh = face == 0 ? uMatShininess[0] : uMatShininess[1];
    if (tracks(face)) {
        if (uColorMaterial == 1 || uColorMaterial == 3) ma = aColor;
        if (uColorMaterial == 2 || uColorMaterial == 3) md = aColor;
        if (uColorMaterial == 4) ms = aColor;
        if (uColorMaterial == 5) me = aColor;
    }
    vec3 c = me.rgb + ma.rgb * uModelAmbient.rgb;
    bool saturated = false;
    for (int i = 0; i < 8; ++i) {
        if (i >= uLightCount) break;
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
            vec3 h = normalize(l + (uLocalViewer ? normalize(-p) : vec3(0.0, 0.0, 1.0)));
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
    if (saturated) c = vec3(1.0);
    return clamp(vec4(c, md.a), 0.0, 1.0);
}

void main() {
    vec3 n = uNormalize ? normalize(aNormal) : aNormal;
    if (uLighting) {
        vFront = shade(0, aPos, n);
        vBack = uTwoSide ? shade(1, aPos, -n) : vFront;
    } else {
        vFront = aColor;
        vBack = aColor;
    }
    vTex = aTex;
    gl_Position = uProjection * vec4(aPos, 1.0);
    gl_PointSize = 1.0;
}
)";

const char* kFragmentShader = R"(
precision mediump float;
uniform bool uTwoSide, uTexture;
uniform int uTexEnv;  // 0 modulate, 1 replace, 2 decal
uniform sampler2D uSampler;
varying vec4 vFront, vBack;
varying vec2 vTex;
void main() {
    vec4 c = (uTwoSide && !gl_FrontFacing) ? vBack : vFront;
    if (uTexture) {
        vec4 t = texture2D(uSampler, vTex);
        if (uTexEnv == 1) c = t;
        else if (uTexEnv == 2) c = vec4(mix(c.rgb, t.rgb, t.a), c.a);
        else c *= t;
    }
    gl_FragColor = c;
}
)";

GLuint compile(GLenum type, const char* source) {
    const GLuint s = emscripten_glCreateShader(type);
    emscripten_glShaderSource(s, 1, &source, nullptr);
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

struct WebGLBackend::Locations {
    GLint projection, lighting, two_side, local_viewer, normalize, light_count;
    GLint light_pos, light_ambient, light_diffuse, light_specular, light_atten, spot_dir, spot;
    GLint model_ambient, mat_ambient, mat_diffuse, mat_specular, mat_emission, mat_shininess;
    GLint color_material, color_material_faces, texture, tex_env, sampler, two_side_f;
};

WebGLBackend::WebGLBackend() : loc_(new Locations) {
    program_ = emscripten_glCreateProgram();
    emscripten_glAttachShader(program_, compile(GL_VERTEX_SHADER, kVertexShader));
    emscripten_glAttachShader(program_, compile(GL_FRAGMENT_SHADER, kFragmentShader));
    emscripten_glBindAttribLocation(program_, 0, "aPos");
    emscripten_glBindAttribLocation(program_, 1, "aNormal");
    emscripten_glBindAttribLocation(program_, 2, "aColor");
    emscripten_glBindAttribLocation(program_, 3, "aTex");
    emscripten_glLinkProgram(program_);
    GLint ok = 0;
    emscripten_glGetProgramiv(program_, GL_LINK_STATUS, &ok);
    if (!ok) {
        char log[2048];
        emscripten_glGetProgramInfoLog(program_, sizeof log, nullptr, log);
        std::fprintf(stderr, "fixed-function program: %s\n", log);
    }
    emscripten_glUseProgram(program_);
    auto u = [&](const char* name) { return emscripten_glGetUniformLocation(program_, name); };
    Locations& l = *loc_;
    l.projection = u("uProjection");
    l.lighting = u("uLighting");
    l.two_side = u("uTwoSide");
    l.local_viewer = u("uLocalViewer");
    l.normalize = u("uNormalize");
    l.light_count = u("uLightCount");
    l.light_pos = u("uLightPos");
    l.light_ambient = u("uLightAmbient");
    l.light_diffuse = u("uLightDiffuse");
    l.light_specular = u("uLightSpecular");
    l.light_atten = u("uLightAtten");
    l.spot_dir = u("uSpotDir");
    l.spot = u("uSpot");
    l.model_ambient = u("uModelAmbient");
    l.mat_ambient = u("uMatAmbient");
    l.mat_diffuse = u("uMatDiffuse");
    l.mat_specular = u("uMatSpecular");
    l.mat_emission = u("uMatEmission");
    l.mat_shininess = u("uMatShininess");
    l.color_material = u("uColorMaterial");
    l.color_material_faces = u("uColorMaterialFaces");
    l.texture = u("uTexture");
    l.tex_env = u("uTexEnv");
    l.sampler = u("uSampler");
    emscripten_glUniform1i(l.sampler, 0);

    emscripten_glGenBuffers(1, &buffer_);
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, buffer_);
    const GLsizei stride = sizeof(Vertex);
    emscripten_glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, pos)));
    emscripten_glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, normal)));
    emscripten_glVertexAttribPointer(2, 4, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, color)));
    emscripten_glVertexAttribPointer(3, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, tex)));
    for (GLuint a = 0; a < 4; ++a) emscripten_glEnableVertexAttribArray(a);
    // OpenGL starts with no depth test and LESS; WebGL's defaults match but say so.
    emscripten_glDepthFunc(GL_LESS);
}

void WebGLBackend::upload(const DrawParams& p) {
    const Locations& l = *loc_;
    // Uniforms are sent only when they differ from what the program already holds.
    const bool first = !have_last_;
    auto changed = [](bool unknown, const auto& a, const auto& b) { return unknown || std::memcmp(&a, &b, sizeof a) != 0; };
    if (changed(first, p.projection, last_.projection))
        emscripten_glUniformMatrix4fv(l.projection, 1, GL_FALSE, p.projection.data());
    if (first || p.lighting != last_.lighting) emscripten_glUniform1i(l.lighting, p.lighting);
    if (first || p.two_side != last_.two_side) emscripten_glUniform1i(l.two_side, p.two_side);
    if (first || p.local_viewer != last_.local_viewer) emscripten_glUniform1i(l.local_viewer, p.local_viewer);
    if (first || p.normalize != last_.normalize) emscripten_glUniform1i(l.normalize, p.normalize);
    if (first || p.tex_env != last_.tex_env) emscripten_glUniform1i(l.tex_env, int(p.tex_env));
    if (first || p.texture != last_.texture) emscripten_glUniform1i(l.texture, p.texture != 0);
    if (p.texture && p.texture != bound_texture_) {
        emscripten_glBindTexture(GL_TEXTURE_2D, p.texture);
        bound_texture_ = p.texture;
    }
    last_.projection = p.projection;
    last_.lighting = p.lighting;
    last_.two_side = p.two_side;
    last_.local_viewer = p.local_viewer;
    last_.normalize = p.normalize;
    last_.tex_env = p.tex_env;
    last_.texture = p.texture;
    have_last_ = true;
    if (!p.lighting) return;  // unlit draws read none of the rest

    const bool unknown = !lit_known_;
    if (unknown || p.light_count != last_.light_count || changed(false, p.lights, last_.lights)) {
        emscripten_glUniform1i(l.light_count, p.light_count);
        const int n = p.light_count > 0 ? p.light_count : 1;
        float pos[kMaxLights * 4], amb[kMaxLights * 4], dif[kMaxLights * 4], spec[kMaxLights * 4];
        float att[kMaxLights * 3], dir[kMaxLights * 3], spot[kMaxLights * 2];
        for (int i = 0; i < n; ++i) {
            const LightParams& s = p.lights[i];
            std::memcpy(pos + 4 * i, s.position, 16);
            std::memcpy(amb + 4 * i, s.ambient, 16);
            std::memcpy(dif + 4 * i, s.diffuse, 16);
            std::memcpy(spec + 4 * i, s.specular, 16);
            std::memcpy(att + 3 * i, s.attenuation, 12);
            std::memcpy(dir + 3 * i, s.spot_direction, 12);
            spot[2 * i] = s.spot_exponent;
            spot[2 * i + 1] = s.spot_cos_cutoff;
        }
        emscripten_glUniform4fv(l.light_pos, n, pos);
        emscripten_glUniform4fv(l.light_ambient, n, amb);
        emscripten_glUniform4fv(l.light_diffuse, n, dif);
        emscripten_glUniform4fv(l.light_specular, n, spec);
        emscripten_glUniform3fv(l.light_atten, n, att);
        emscripten_glUniform3fv(l.spot_dir, n, dir);
        emscripten_glUniform2fv(l.spot, n, spot);
        last_.light_count = p.light_count;
        std::memcpy(last_.lights, p.lights, sizeof p.lights);
    }
    if (changed(unknown, p.model_ambient, last_.model_ambient)) {
        emscripten_glUniform4fv(l.model_ambient, 1, p.model_ambient);
        std::memcpy(last_.model_ambient, p.model_ambient, sizeof p.model_ambient);
    }
    if (changed(unknown, p.material, last_.material)) {
        float a[8], d[8], s[8], e[8], sh[2];
        for (int f = 0; f < 2; ++f) {
            std::memcpy(a + 4 * f, p.material[f].ambient, 16);
            std::memcpy(d + 4 * f, p.material[f].diffuse, 16);
            std::memcpy(s + 4 * f, p.material[f].specular, 16);
            std::memcpy(e + 4 * f, p.material[f].emission, 16);
            sh[f] = p.material[f].shininess;
        }
        emscripten_glUniform4fv(l.mat_ambient, 2, a);
        emscripten_glUniform4fv(l.mat_diffuse, 2, d);
        emscripten_glUniform4fv(l.mat_specular, 2, s);
        emscripten_glUniform4fv(l.mat_emission, 2, e);
        emscripten_glUniform1fv(l.mat_shininess, 2, sh);
        std::memcpy(last_.material, p.material, sizeof p.material);
    }
    if (unknown || p.color_material != last_.color_material || p.color_material_faces != last_.color_material_faces) {
        emscripten_glUniform1i(l.color_material, int(p.color_material));
        emscripten_glUniform1i(l.color_material_faces, p.color_material_faces);
        last_.color_material = p.color_material;
        last_.color_material_faces = p.color_material_faces;
    }
    lit_known_ = true;
}

void WebGLBackend::draw(Prim prim, const Vertex* v, std::size_t count, const DrawParams& params) {
    upload(params);
    emscripten_glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(count * sizeof(Vertex)), v, GL_STREAM_DRAW);
    const GLenum mode = prim == Prim::points ? GL_POINTS : prim == Prim::lines ? GL_LINES : GL_TRIANGLES;
    emscripten_glDrawArrays(mode, 0, GLsizei(count));
}

void WebGLBackend::clear(unsigned mask, const float color[4], float depth) {
    emscripten_glClearColor(color[0], color[1], color[2], color[3]);
    emscripten_glClearDepthf(depth);
    emscripten_glClear(mask & (GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT));
}

void WebGLBackend::viewport(int x, int y, int w, int h) { emscripten_glViewport(x, y, w, h); }

void WebGLBackend::set_capability(unsigned cap, bool on) {
    if (on)
        emscripten_glEnable(cap);
    else
        emscripten_glDisable(cap);
}

void WebGLBackend::depth_func(unsigned func) { emscripten_glDepthFunc(func); }
void WebGLBackend::depth_mask(bool on) { emscripten_glDepthMask(on); }
void WebGLBackend::cull_face(unsigned face) { emscripten_glCullFace(face); }
void WebGLBackend::front_face(unsigned dir) { emscripten_glFrontFace(dir); }
void WebGLBackend::blend_func(unsigned src, unsigned dst) { emscripten_glBlendFunc(src, dst); }
void WebGLBackend::line_width(float w) { emscripten_glLineWidth(w); }

unsigned WebGLBackend::create_texture() {
    GLuint id = 0;
    emscripten_glGenTextures(1, &id);
    return id;
}

void WebGLBackend::delete_texture(unsigned id) {
    if (bound_texture_ == id) bound_texture_ = 0;
    if (last_.texture == id) last_.texture = 0;
    emscripten_glDeleteTextures(1, &id);
}

void WebGLBackend::upload_texture(unsigned id, int level, int width, int height, const unsigned char* rgba) {
    emscripten_glBindTexture(GL_TEXTURE_2D, id);
    bound_texture_ = id;
    emscripten_glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    emscripten_glTexImage2D(GL_TEXTURE_2D, level, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}

void WebGLBackend::texture_params(unsigned id, unsigned min_filter, unsigned mag_filter, unsigned wrap_s,
                                  unsigned wrap_t) {
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
    GLint v = 0;
    emscripten_glGetIntegerv(GL_MAX_TEXTURE_SIZE, &v);
    return v;
}

void WebGLBackend::finish() { emscripten_glFinish(); }

}  // namespace ff
