// Where a program looks for its data: the variable, then beside the
// executable (the build tree), then the installed share folder.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "data_dir.h"

namespace {

namespace fs = std::filesystem;
using data_dir::choose;
using data_dir::Where;

class DataDir : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("data_dir_" + std::to_string(getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "bin");
    }
    void TearDown() override { fs::remove_all(root_); }

    void put(const fs::path& file) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "data";
    }
    Where castle(const char* variable = nullptr) const {
        return Where{"castle_world", (root_ / "bin").string(), variable};
    }

    fs::path root_;
};

TEST_F(DataDir, TheVariableNamesTheFolderAndWinsOverDataBesideTheProgram) {
    put(root_ / "bin" / "grass.bmp");
    EXPECT_EQ(choose(castle("/srv/castle"), "grass.bmp"), "/srv/castle/");
    EXPECT_EQ(choose(castle("/srv/castle/"), "grass.bmp"), "/srv/castle/");
    // Set but empty counts as not set.
    EXPECT_EQ(choose(castle(""), "grass.bmp"), (root_ / "bin").string() + "/");
    EXPECT_EQ(data_dir::variable_name("castle_world"), "CASTLE_WORLD_DATA_DIR");
    EXPECT_EQ(data_dir::variable_name("building_tour"), "BUILDING_TOUR_DATA_DIR");
}

TEST_F(DataDir, DataBesideTheProgramComesBeforeTheInstalledFolder) {
    put(root_ / "bin" / "texture" / "vidro.bmp");
    put(root_ / "share" / "opengl-scenes" / "building_tour" / "texture" / "vidro.bmp");
    const Where tour{"building_tour", (root_ / "bin").string(), nullptr};
    EXPECT_EQ(fs::path(choose(tour, "texture/vidro.bmp")), root_ / "bin" / "");
}

TEST_F(DataDir, AnInstalledTreeIsFoundRelativeToTheProgramWhereverItWasMoved) {
    put(root_ / "share" / "opengl-scenes" / "castle_world" / "grass.bmp");
    const std::string folder = choose(castle(), "grass.bmp");
    EXPECT_TRUE(fs::exists(folder + "grass.bmp")) << folder;
    EXPECT_EQ(fs::canonical(folder), fs::canonical(root_ / "share" / "opengl-scenes" / "castle_world"));
}

TEST_F(DataDir, WithNoDataAnywhereTheErrorWillNameTheProgramsFolder) {
    EXPECT_EQ(fs::path(choose(castle(), "grass.bmp")), root_ / "bin" / "");
    // Where the program's own folder cannot be known, names stay relative.
    EXPECT_EQ(choose(Where{"castle_world", "", nullptr}, "grass.bmp"), "");
}

TEST_F(DataDir, AbsoluteNamesAreUsedAsTheyAre) { EXPECT_EQ(data_path("/etc/hostname"), "/etc/hostname"); }

}  // namespace
