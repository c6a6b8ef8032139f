#include <gtest/gtest.h>

#include "files/CompanionFiles.h"

using namespace korvanel;

TEST(CompanionFiles, TakeTheProgramPathLessItsExtension)
{
    const auto f = companionFilesFor(getFileNameNoExt("C:\\Shows\\light.exe"));
    EXPECT_EQ(f.BaseFileName, "C:\\Shows\\light");
    EXPECT_EQ(f.IniFileName, "C:\\Shows\\light.ini");
    EXPECT_EQ(f.ColFileName, "C:\\Shows\\light.col");
    EXPECT_EQ(f.AutoSaveFileName, "C:\\Shows\\lightTemp.kvl");
    EXPECT_EQ(f.CoderFileName, "C:\\Shows\\light.kvr");
    EXPECT_EQ(f.HelpFileName, "C:\\Shows\\light.hlp");
}

TEST(CompanionFiles, DotsInFolderNamesAreNotAnExtension)
{
    EXPECT_EQ(getFileNameNoExt("/opt/show.v2.1/korvanel"), "/opt/show.v2.1/korvanel");
    EXPECT_EQ(getFileNameNoExt("/opt/show.v2.1/korvanel.bin"), "/opt/show.v2.1/korvanel");
    EXPECT_EQ(getFileNameNoExt("/opt/a.b/light.old.exe"), "/opt/a.b/light.old");
    EXPECT_EQ(getFileNameNoExt("/home/op/.korvanel"), "/home/op/.korvanel");
    EXPECT_EQ(companionFilesFor(getFileNameNoExt("/opt/show.v2/korvanel")).AutoSaveFileName,
              "/opt/show.v2/korvanelTemp.kvl");
}
