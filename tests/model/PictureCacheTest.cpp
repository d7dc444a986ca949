#include "ScreenTest.h"
#include "runtime/RuntimeError.h"

#include <filesystem>
#include <fstream>

namespace lumenary::testing {
namespace {

using PictureCache = ScreenTest;

// A picture a shown screen holds is not decoded again for another; one no screen holds any
// more is freed, and read again when it is next shown. A file a teacher replaced meanwhile is
// read afresh, and a broken replacement is reported, not hidden by the cache.
TEST_F(PictureCache, ACachedPictureIsTheSamePictureAndAReplacedFileIsReadAgain) {
    ProgramFolderCopy copy;
    platform.folder = copy.path();
    const Picture::Weak dropped(LoadPicture("Images\\next.jpg"));
    EXPECT_TRUE(dropped.expired()) << "the cache keeps no picture alive";
    EXPECT_EQ(LoadPicture("Images\\next.jpg").width(), 119);
    const Picture first = LoadPicture("Images\\exit.jpg");
    EXPECT_TRUE(LoadPicture("Images\\exit.jpg") == first) << "not decoded again";
    EXPECT_EQ(first.width(), 119);

    const auto exit = copy.path() / "Images" / "exit.jpg";
    std::filesystem::copy_file(copy.path() / "Images" / "phases0.jpg", exit, std::filesystem::copy_options::overwrite_existing);
    const Picture replaced = LoadPicture("Images\\exit.jpg");
    EXPECT_FALSE(replaced == first);
    EXPECT_EQ(replaced.width(), 154);

    std::ofstream(exit, std::ios::trunc) << "\xFF\xD8\xFF broken";
    EXPECT_THROW(LoadPicture("Images\\exit.jpg"), RuntimeError);
}

}  // namespace
}  // namespace lumenary::testing
