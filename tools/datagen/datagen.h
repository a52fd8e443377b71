#pragma once
// One entry per program: writes that program's data files below a folder.

#include <cstddef>
#include <functional>
#include <string>

#include "painter.h"

// Writes every file that does not exist yet (all of them with force).
// Returns false, having said why on stderr, when a file cannot be written.
using DataWriter = bool (*)(const std::string& folder, bool force);

bool write_building_tour_data(const std::string& folder, bool force);
bool write_gymnast_data(const std::string& folder, bool force);
bool write_castle_world_data(const std::string& folder, bool force);

// Writes folder/name through write(path) unless that file exists (every time
// with force), creating the folders on the way. Says why on stderr and
// returns false when it cannot.
bool write_data_file(const std::string& folder, const std::string& name, bool force,
                     const std::function<bool(const std::string& path)>& write);

// Writes each image to folder/files[slot] with write_data_file.
bool write_texture_images(const std::string& folder, bool force, const paint::TextureImage* images,
                          std::size_t count, const char* const* files);
