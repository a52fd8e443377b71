#include "bmp_texture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "bmp_reader.h"

void BMP_Texture(unsigned int* table, char* file, int slot) {
    if (file == nullptr) return;

    BmpResult result = bmp_read_file(file);
    if (!result.image) {
        std::fprintf(stderr, "%s: cannot load texture \"%s\": %s\n", program_invocation_short_name, file,
                     result.error.c_str());
        std::exit(1);
    }
    const BmpImage& image = *result.image;

    glGenTextures(1, &table[slot]);
    glBindTexture(GL_TEXTURE_2D, table[slot]);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE, image.pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    // The image is released when result goes out of scope.
}
