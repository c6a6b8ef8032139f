// Where the program looks for its own modules: beside itself and in
// ../lib/korvanel/ from its folder, and nowhere else a stranger might write.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "output/CompanionModule.h"

using namespace korvanel;
namespace fs = std::filesystem;

TEST(CompanionModule, IsFoundBesideTheProgramThenInItsLibFolderAndNowhereElse)
{
    std::string pattern = (fs::temp_directory_path() / "modulesXXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path root = pattern;
    const std::string bin = (root / "bin").string();
    fs::create_directories(root / "bin");
    fs::create_directories(root / "lib/korvanel");
    const auto put = [](const fs::path &file) { std::ofstream(file) << "module"; };

    // Near the program but not where it looks: the folder above, lib/ itself, the current folder.
    put(root / "m.so");
    put(root / "lib/m.so");
    const fs::path before = fs::current_path();
    fs::current_path(root);
    EXPECT_EQ(findCompanionModule("m.so", bin), "");
    put(root / "lib/korvanel/m.so");
    EXPECT_EQ(findCompanionModule("m.so", bin), bin + "/../lib/korvanel/m.so");
    put(root / "bin/m.so");
    EXPECT_EQ(findCompanionModule("m.so", bin), bin + "/m.so") << "a program's own copy comes first";
    // Nothing relative to the current folder, and no name that leaves the two folders.
    EXPECT_EQ(findCompanionModule("m.so", "bin"), "");
    EXPECT_EQ(findCompanionModule("m.so", ""), "");
    EXPECT_EQ(findCompanionModule("../m.so", bin), "");
    fs::current_path(before);

    fs::remove_all(root);
}
