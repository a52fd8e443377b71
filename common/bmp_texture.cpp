#include "bmp_texture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bmp_reader.h"
#include "data_dir.h"

void refuse_texture(const char* file, const std::string& reason) {
    std::fprintf(stderr, "%s: cannot load texture \"%s\": %s\n", program_invocation_short_name, file, reason.c_str());
    std::exit(1);
}

void build_texture_mipmaps(const char* file, int width, int height, const unsigned char* pixels) {
    // Past this limit the mipmap builder would upload an empty texture and
    // the surface would show black without a word.
    GLint max_side = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max_side);
    if (max_side > 0 && (width > max_side || height > max_side))
        refuse_texture(file, "image too large for this OpenGL (" + std::to_string(width) + "x" +
                                 std::to_string(height) + ", at most " + std::to_string(max_side) + " a side)");

    const GLint built = gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels);
    if (built != 0)
        refuse_texture(file, std::string("cannot upload image: ") +
                                 reinterpret_cast<const char*>(gluErrorString(static_cast<GLenum>(built))));
}

void BMP_Texture(unsigned int* table, char* file, int slot) {
    if (file == nullptr) return;

    const std::string path = data_path(file);
    BmpResult result = bmp_read_file(path.c_str());
    if (!result.image) refuse_texture(path.c_str(), result.error);
    const BmpImage& image = *result.image;

    glGenTextures(1, &table[slot]);
    glBindTexture(GL_TEXTURE_2D, table[slot]);
    build_texture_mipmaps(path.c_str(), image.width, image.height, image.pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    // The image is released when result goes out of scope.
}
