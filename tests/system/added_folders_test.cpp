#include "system/added_folders.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_profile_file.h"

namespace quarvo {
namespace {

using testing::FakeProfileFile;
using Keys = FakeProfileFile::Keys;
using Folders = std::vector<std::string>;

TEST(AddedFolders, ReadUpToTheCountOrEveryKeyWhenTheCountIsDamaged) {
    FakeProfileFile file;
    EXPECT_EQ(readAddedFolders(file).folders, Folders{});
    EXPECT_FALSE(readAddedFolders(file).damaged);

    file.sections = {{"folders",
                      {{"Number", "3"},
                       {"Folder1", "/home/me/a b"},
                       {"Folder2", ""},
                       {"folder3", "/srv"},
                       {"Folder4", "/beyond/the/count"}}}};
    EXPECT_EQ(readAddedFolders(file).folders, (Folders{"/home/me/a b", "/srv"}));

    // A count that can't be read must not cost the folders it counted.
    for (const char* number : {"", "three", "-1"}) {
        file.sections = {
            {"Folders",
             {{"Number", number}, {"Folder2", "/b"}, {"Folder1", "/a"}, {"Folder3", "/a"}}}};
        const SavedFolders saved = readAddedFolders(file);
        EXPECT_TRUE(saved.damaged) << number;
        EXPECT_EQ(saved.folders, (Folders{"/a", "/b"})) << number;
    }
}

TEST(AddedFolders, WriteTheCountAndEveryFolderBesideOtherSections) {
    FakeProfileFile file;
    file.sections = {{"Include", {{"Number", "1"}, {"File1", "*.doc"}}}};
    writeAddedFolders(file, {"/a", "/x=y"});
    EXPECT_EQ(file.keys("Folders"),
              (Keys{{"Number", "2"}, {"Folder1", "/a"}, {"Folder2", "/x=y"}}));
    EXPECT_EQ(file.keys("Include").size(), 2u);
    writeAddedFolders(file, {"/x=y"});
    EXPECT_EQ(readAddedFolders(file).folders, Folders{"/x=y"});
}

}  // namespace
}  // namespace quarvo
