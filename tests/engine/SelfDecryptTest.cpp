#include "../ui/tty/PtyChild.h"
#include "EncryptFixture.h"
#include "LPackFile.h"
#include "LRunCommand.h"
#include "LStandardFolders.h"

#include <sys/stat.h>
#include <filesystem>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

std::string ReadFile(const std::string& path) {
    auto bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

// Sets the umask for its lifetime.
class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : saved(umask(mask)) {}
    ~ScopedUmask() { umask(saved); }

private:
    mode_t saved;
};

// Every entry of a bundle whose mode lets group or others write, or has a
// set-id or sticky bit.
std::vector<std::string> WidenedModes(const std::string& bundle) {
    std::vector<std::string> widened;
    std::vector<std::string> paths{bundle};
    for (const auto& entry : std::filesystem::recursive_directory_iterator(bundle)) {
        paths.push_back(entry.path().string());
    }
    for (const std::string& path : paths) {
        struct stat status {};
        lstat(path.c_str(), &status);
        if (!S_ISLNK(status.st_mode) && (status.st_mode & (S_IWGRP | S_IWOTH | 07000)) != 0) {
            widened.push_back(path);
        }
    }
    return widened;
}

class SelfDecrypt : public EncryptTest {
protected:
    void SetUp() override {
        EncryptTest::SetUp();
        WriteText(source / "Docs/a.txt", "alpha");
        WriteText(source / "Docs/Sub/b.txt", "beta");
        data.items = {source / "Docs"};
        data.containerPath = work / "out/box.app";
    }
    TestFolder source;
};

}  // namespace

// The bundle the encrypt run makes restores itself: its program asks for the
// password on the terminal and writes the files into the folder it is given.
// Nothing in it is writable by others or carries a set-id or sticky bit.
TEST_F(SelfDecrypt, TheBundleRestoresItsFilesOnATerminal) {
    ASSERT_TRUE(std::filesystem::exists(LPackFileTemplateArchive()));
    {
        ScopedUmask mask(022);
        ASSERT_EQ(Run(), LProcessResultSuccess) << data.errorText;
    }
    std::string bundle = data.containerPath;
    EXPECT_THAT(WidenedModes(bundle), IsEmpty());
    EXPECT_EQ(ContainerEntries(bundle + "/Contents/Resources/target.zel").size(), 4u);

    TestFolder restored;
    std::string program = bundle + "/AppRun";
    std::string destination = restored.Path();
    PtyChild child([&] {
        execl(program.c_str(), program.c_str(), destination.c_str(), static_cast<char*>(nullptr));
        return 99;
    });
    ASSERT_TRUE(child.Started());
    ASSERT_TRUE(child.WaitFor("Password: ")) << child.Output();
    child.Type("secret\n");
    EXPECT_EQ(child.Finish(), 0) << child.Output();
    EXPECT_THAT(child.Output(), ::testing::HasSubstr("All files decrypted successfully."));
    EXPECT_EQ(ReadFile(restored / "Docs/a.txt"), "alpha");
    EXPECT_EQ(ReadFile(restored / "Docs/Sub/b.txt"), "beta");
}

// Run as a copy of this test program in a folder with no resources beside it
// (see below).
TEST_F(SelfDecrypt, ChildWithoutTemplate) {
    if (std::getenv("ZEL_TEST_NO_TEMPLATE") == nullptr) {
        GTEST_SKIP() << "run by WithoutTheTemplateNothingIsLeft";
    }
    ASSERT_FALSE(std::filesystem::exists(LPackFileTemplateArchive()));
    EXPECT_EQ(Run(), LProcessResultFailed);
    EXPECT_EQ(data.errorText, "Could not create self unpacking file.");
    EXPECT_THAT(FolderNames(work / "out"), IsEmpty());
}

// A program without the template resource fails the run and leaves nothing at
// the output.
TEST(SelfDecryptProgram, WithoutTheTemplateNothingIsLeft) {
    TestFolder copy;
    std::filesystem::create_directories(copy / "bin");
    std::string program = copy / "bin/tests";
    std::filesystem::copy_file(LGetBundleExeFile(), program);
    ScopedEnvironment mark("ZEL_TEST_NO_TEMPLATE", "1");
    EXPECT_EQ(LRunCommandArgvExitCode({program, "--gtest_filter=SelfDecrypt.ChildWithoutTemplate"},
                                      {}, true),
              0);
}

// A failed bundle removes only what the run made: a file of the user's at the path stays.
TEST_F(SelfDecrypt, AFailedBundleLeavesTheUsersFileAlone) {
    WriteText(data.containerPath, "mine");
    EXPECT_EQ(Run(), LProcessResultFailed);
    EXPECT_EQ(data.errorText, "Could not create self unpacking file.");
    EXPECT_EQ(ReadFile(data.containerPath), "mine");
}
