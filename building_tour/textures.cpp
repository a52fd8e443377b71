#include "textures.h"

#include "bmp_texture.h"

namespace building_tour {

unsigned int TextureArray[slot::count];

void load_textures() {
    for (int s = 0; s < slot::count; ++s) BMP_Texture(TextureArray, const_cast<char*>(kTextureFiles[s]), s);
}

void bind_slot(int s) { glBindTexture(GL_TEXTURE_2D, TextureArray[s]); }

}  // namespace building_tour
