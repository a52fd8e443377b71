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
