#include "textures.h"

#include "bmp_texture.h"

namespace castle_world {

unsigned int textureArray[slot::count];

void load_textures() {
    for (int s = 0; s < slot::count; ++s) BMP_Texture(textureArray, const_cast<char*>(kTextureFiles[s]), s);
}

}  // namespace castle_world
