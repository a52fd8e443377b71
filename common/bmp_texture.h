#pragma once
// Loads one BMP file into one mipmapped texture and records its name in a
// slot of the caller's texture table. Needs a current OpenGL context.
//
// A file that cannot be read, or an image this OpenGL cannot take, ends the
// program with status 1 and one line on standard error naming the program,
// the file and the reason.

void BMP_Texture(unsigned int* table, char* file, int slot);
