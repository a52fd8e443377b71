#include "datagen.h"

#include <cstdio>
#include <filesystem>

bool write_data_file(const std::string& folder, const std::string& name, bool force,
                     const std::function<bool(const std::string& path)>& write) {
    namespace fs = std::filesystem;
    const fs::path path = fs::path(folder) / name;
    std::error_code error;
    if (!force && fs::exists(path, error)) return true;
    if (!fs::is_directory(path.parent_path(), error) && !fs::create_directories(path.parent_path(), error)) {
        std::fprintf(stderr, "scenes_datagen: cannot create %s: %s\n", path.parent_path().string().c_str(),
                     error.message().c_str());
        return false;
    }
    if (!write(path.string())) {
        std::fprintf(stderr, "scenes_datagen: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

bool write_texture_images(const std::string& folder, bool force, const paint::TextureImage* images,
                          std::size_t count, const char* const* files) {
    bool ok = true;
    for (std::size_t i = 0; i < count; ++i)
        ok = write_data_file(folder, files[images[i].slot], force,
                             [&](const std::string& path) { return paint::save_bmp(images[i].paint(), path); }) &&
             ok;
    return ok;
}
