#include "EncryptFixture.h"
#include "LDecryptProcess.h"

#include <unistd.h>
#include <filesystem>

using ::testing::IsEmpty;

namespace {

// Every path under folder, relative to it, with what it holds: "name/" for a folder,
// "name -> target" for a link, "name = content" for a file.
std::vector<std::string> Tree(const std::string& folder) {
    std::vector<std::string> tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        std::string name = std::filesystem::relative(entry.path(), folder).string();
        if (entry.is_symlink()) {
            tree.push_back(name + " -> " + std::filesystem::read_symlink(entry.path()).string());
        } else if (entry.is_directory()) {
            tree.push_back(name + "/");
        } else {
            auto bytes = ReadBytes(entry.path().string());
            tree.push_back(name + " = " + std::string(bytes.begin(), bytes.end()));
        }
    }
    std::sort(tree.begin(), tree.end());
    return tree;
}

}  // namespace

// What the encrypt run stores, the decrypt run restores: nested and empty folders, hidden
// files, a file a little over one block, an empty file, a name longer than a stored path and
// links.
TEST_F(EncryptTest, DecryptRunRestoresTheTree) {
    for (int algorithm : {0, 1}) {
        TestFolder source;
        TestFolder restored;
        WriteText(source / "Docs/Sub/Deeper/c.txt", "deep");
        WriteText(source / "Docs/.hidden", "h");
        WriteText(source / "Docs/block.bin", std::string(8193, 'x'));
        WriteText(source / "Docs/empty.txt", "");
        // Its full path is longer than a stored name: the end of it is stored.
        WriteText(source / ("Docs/Sub/" + std::string(250, 'n')), "long");
        std::filesystem::create_directories(source / "Docs/Empty");
        ASSERT_EQ(symlink("Sub/Deeper/c.txt", (source / "Docs/link").c_str()), 0);
        data = LCryptData{};
        data.items = {source / "Docs"};
        data.containerPath = work / "out/box.zel";
        data.password = "secret";
        data.algorithm = algorithm;
        ASSERT_EQ(Run(), LProcessResultSuccess) << data.errorText;

        LCryptData decrypt;
        decrypt.containerPath = data.containerPath;
        decrypt.password = "secret";
        decrypt.destination = restored.Path();
        LDecryptProcess back{&decrypt};
        ASSERT_EQ(Process(process, back), LProcessResultSuccess) << decrypt.errorText;
        EXPECT_EQ(Tree(restored.Path()), Tree(source.Path())) << "algorithm " << algorithm;
        EXPECT_THAT(decrypt.leftOut, IsEmpty());
    }
}
