#pragma once
// Where a program finds the files it asks for by relative name
// ("texture/vidro.bmp", "grass.bmp", "lord.mp3"): in its data folder, not in
// whatever folder it was started from. The data folder is, in this order:
//   1. the folder named by $<PROGRAM>_DATA_DIR (CASTLE_WORLD_DATA_DIR, ...);
//   2. the executable's own folder, when the data lies beside it (the build tree);
//   3. <executable's folder>/../share/opengl-scenes/<program>/, so an installed
//      tree works wherever it was moved.

#include <string>

namespace data_dir {

// What the choice depends on, so it can be made without a process around it.
struct Where {
    std::string program;     // the executable's name
    std::string exe_folder;  // "" when it cannot be known: names then stay relative to the current folder
    const char* variable;    // the value of $<PROGRAM>_DATA_DIR, or nullptr
};

// "CASTLE_WORLD_DATA_DIR" for "castle_world".
std::string variable_name(const std::string& program);

// The data folder, with a trailing '/' (or "" for the current folder);
// `file` is one of the program's files, to see whether the data lies beside
// the executable.
std::string choose(const Where& where, const std::string& file);

// This process's Where: its name and folder from /proc/self/exe.
Where this_program();

}  // namespace data_dir

// `name` resolved against this program's data folder; an absolute name stays
// as it is. Files are looked up once each, at start-up: a few calls to stat.
std::string data_path(const std::string& name);
