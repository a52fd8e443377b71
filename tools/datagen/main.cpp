// scenes_datagen PROGRAM FOLDER [--force]
#include <cstdio>
#include <cstring>
#include <string>

#include "datagen.h"

namespace {

struct Entry {
    const char* program;
    DataWriter write;
};

constexpr Entry kPrograms[] = {
    {"building_tour", write_building_tour_data},
    {"gymnast", write_gymnast_data},
    {"castle_world", write_castle_world_data},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || (argc == 4 && std::strcmp(argv[3], "--force") != 0) || argc > 4) {
        std::fprintf(stderr, "usage: scenes_datagen PROGRAM FOLDER [--force]\n");
        return 2;
    }
    const bool force = argc == 4;
    for (const Entry& entry : kPrograms)
        if (std::strcmp(entry.program, argv[1]) == 0) return entry.write(argv[2], force) ? 0 : 1;
    std::fprintf(stderr, "scenes_datagen: no data for \"%s\"\n", argv[1]);
    return 2;
}
