#pragma once
// Loads one BMP file into one mipmapped texture and records its name in a
// slot of the caller's texture table. Needs a current OpenGL context. A
// relative name is looked for in the program's data folder (data_dir.h).
//
// A file that cannot be read, or an image this OpenGL cannot take, ends the
// program with status 1 and one line on standard error naming the program,
// the file with its folder, and the reason.

#include <string>

void BMP_Texture(unsigned int* table, char* file, int slot);

// The parts of it that a loader of its own (one that lays the rows out
// differently) shares, so every program refuses a file the same way.

// One line "PROGRAM: cannot load texture "FILE": REASON", then exit status 1.
[[noreturn]] void refuse_texture(const char* file, const std::string& reason);

// Builds the mipmaps of the texture bound now from width x height RGB pixels,
// rows laid out as GL_UNPACK_ALIGNMENT says; refuses the file when this
// OpenGL cannot take the image.
void build_texture_mipmaps(const char* file, int width, int height, const unsigned char* pixels);
