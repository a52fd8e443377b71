#include "data_dir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>

namespace data_dir {

namespace {

bool exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

bool is_folder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string with_slash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

std::string variable_name(const std::string& program) {
    std::string name;
    for (unsigned char c : program) name += std::isalnum(c) ? static_cast<char>(std::toupper(c)) : '_';
    return name + "_DATA_DIR";
}

std::string choose(const Where& where, const std::string& file) {
    if (where.variable != nullptr && *where.variable != '\0') return with_slash(where.variable);
    if (where.exe_folder.empty()) return "";
    const std::string beside = with_slash(where.exe_folder);
    if (exists(beside + file)) return beside;
    const std::string installed = beside + "../share/" SCENES_PACKAGE "/" + where.program + "/";
    // Neither holds the file: name the folder a user would look in.
    return is_folder(installed) ? installed : beside;
}

Where this_program() {
    Where where;
    std::string exe(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", exe.data(), exe.size());
    if (length > 0 && static_cast<std::size_t>(length) < exe.size()) {
        exe.resize(static_cast<std::size_t>(length));
        const std::size_t slash = exe.rfind('/');
        where.exe_folder = exe.substr(0, slash + 1);
        where.program = exe.substr(slash + 1);
    }
    if (where.program.empty()) where.program = program_invocation_short_name;
    where.variable = std::getenv(variable_name(where.program).c_str());
    return where;
}

}  // namespace data_dir

std::string data_path(const std::string& name) {
    if (!name.empty() && name.front() == '/') return name;
    return data_dir::choose(data_dir::this_program(), name) + name;
}
