#include "texturas.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "bmp_reader.h"
#include "bmp_texture.h"
#include "data_dir.h"
#include "estado.h"

namespace gymnast {

namespace {

// init sets GL_UNPACK_ALIGNMENT to 1, but the reader pads each row to 4
// bytes: hand over rows without the padding, or odd widths upload sheared.
std::vector<unsigned char> linhasJustas(const BmpImage& image) {
    const std::size_t largura = static_cast<std::size_t>(image.width) * 3;
    std::vector<unsigned char> pixels(largura * static_cast<std::size_t>(image.height));
    for (int32_t y = 0; y < image.height; ++y) std::memcpy(&pixels[y * largura], image.row(y), largura);
    return pixels;
}

}  // namespace

void CarregaTextura(char* file, unsigned int slot) {
    if (slot >= slot::count) return;
    const std::string caminho = data_path(file);
    const char* arquivo = caminho.c_str();
    BmpResult result = bmp_read_file(arquivo);
    if (!result.image) refuse_texture(arquivo, result.error);
    std::vector<unsigned char> pixels;
    try {
        pixels = linhasJustas(*result.image);
    } catch (const std::bad_alloc&) {
        refuse_texture(arquivo, "out of memory");
    }

    glGenTextures(1, &texture_id[slot]);
    glBindTexture(GL_TEXTURE_2D, texture_id[slot]);
    build_texture_mipmaps(arquivo, result.image->width, result.image->height, pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

void carregaTexturas() {
    for (unsigned int s = 0; s < slot::count; ++s) CarregaTextura(const_cast<char*>(kArquivosTextura[s]), s);
}

}  // namespace gymnast
