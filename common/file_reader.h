#pragma once
// Reads a data file whole, the one safe way for a program that must not hang
// or run out of memory at start-up on an odd file: only a regular file is
// read (a pipe or a device is refused without being read, and opening never
// blocks), and never more than a limit.

#include <cstddef>
#include <string>
#include <vector>

struct FileBytes {
    std::vector<unsigned char> bytes;
    std::string error;  // why there are no bytes: "no such file", "not a regular file", ...
};

// Refuses an empty file and one longer than max_bytes ("file too large").
// Running out of memory is one more reason ("out of memory"), never an exception.
FileBytes read_regular_file(const char* path, std::size_t max_bytes);
