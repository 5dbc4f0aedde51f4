#include "LCommandPaths.h"
#include "LCommandRequest.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Read {
    bool run;
    std::string text;
    LCommandRequest request;
};

Read ReadWords(std::vector<const char*> words) {
    Read read;
    read.run =
        LCommandReadWords(static_cast<int>(words.size()), words.data(), read.request, read.text);
    return read;
}

}  // namespace

TEST(CommandWords, EveryErrorEndsTheInterpretation) {
    struct Case {
        std::vector<const char*> words;
        const char* text;
    } cases[] = {
        {{"-calculatehash"}, "Error. Please specify hash algorithm for hash calculation."},
        {{"-calculatehash", "md5"}, "Error. Please specify filename for hash calculation."},
        {{"-checkhash", "md5", "f"}, "Error. Please specify hash for comparison."},
        {{"-calculatehash", "crc", "f"}, "Error. Unsupported hash algorithm."},
        {{"-decrypt"}, "Error. Please specify filename to decrypt."},
        {{"-password"}, "Error. Please specify password after -password argument."},
        {{"-destination"}, "Error. Please specify destination after -destination argument."},
        {{"-list"}, "Error. Please specify list file after -list argument."},
        {{"-alg"}, "Error. Please specify algorithm after -alg argument."},
        {{"-alg", "aes"}, "Error. Unknown command:aes."},
        {{"-encrypt", "a", "-quiet", "b"}, "Error. Unknown command:b."},
        {{"-frobnicate", "-password"}, "Error. Unknown command:-frobnicate."},
    };
    for (const Case& c : cases) {
        Read read = ReadWords(c.words);
        EXPECT_FALSE(read.run) << c.text;
        EXPECT_EQ(read.text, c.text);
    }
}

TEST(CommandWords, OptionsFillTheRequestCaseInsensitively) {
    Read read = ReadWords({"-ENCRYPT", "/x/a", "/x/b", "-Alg", "DES", "-password", "-p w",
                           "-compress", "-SelfDecrypt", "-destination", "/out/c.doc", "-show"});
    ASSERT_TRUE(read.run) << read.text;
    EXPECT_TRUE(read.request.encrypt);
    EXPECT_EQ(read.request.items, (std::vector<std::string>{"/x/a", "/x/b"}));
    EXPECT_EQ(read.request.data.algorithm, 1);
    EXPECT_EQ(read.request.data.password, "-p w");
    EXPECT_EQ(read.request.data.compress, 1);
    EXPECT_EQ(read.request.data.selfDecrypt, 1);
    EXPECT_EQ(read.request.destination, "/out/c.doc");
    EXPECT_TRUE(read.request.show);
    EXPECT_FALSE(read.request.exit);
}

TEST(CommandWords, AlgFallsBackToOptionWordsAndLeavesTheAlgorithm) {
    Read read = ReadWords({"-alg", "des", "-alg", "-quiet", "-alg", "-exit"});
    ASSERT_TRUE(read.run);
    EXPECT_EQ(read.request.data.algorithm, 1);
    EXPECT_EQ(read.request.data.quiet, 1);
    EXPECT_TRUE(read.request.exit);
}

TEST(CommandWords, ExitIsSeenBeforeAnError) {
    Read read = ReadWords({"-bogus", "-exit"});
    EXPECT_FALSE(read.run);
    EXPECT_TRUE(read.request.exit);
}

TEST(CommandWords, HashCommandEndsTheInterpretation) {
    TestFolder folder;
    const std::string file = folder.Path() + "/abc";
    std::ofstream(file) << "abc";
    Read read = ReadWords({"-encrypt", "/x", "-calculatehash", "md5", file.c_str(), "-bogus"});
    EXPECT_FALSE(read.run);
    EXPECT_EQ(read.text, "Hash: 900150983cd24fb0d6963f7d28e17f72");
    read = ReadWords({"-checkhash", "MD5", file.c_str(), "900150983CD24FB0D6963F7D28E17F72"});
    EXPECT_EQ(read.text, "Hash is valid.");
    read = ReadWords({"-checkhash", "sha1", file.c_str(), "00"});
    EXPECT_EQ(read.text, "Hash is not valid.");
    read = ReadWords({"-calculatehash", "tiger", (folder.Path() + "/missing").c_str()});
    EXPECT_EQ(read.text, "Hash: ");
}

TEST(CommandWords, ListFileLinesAreWholeAbsoluteItems) {
    TestFolder folder;
    const std::string list = folder.Path() + "/list";
    const std::string longName(400, 'n');
    std::ofstream(list, std::ios::binary) << "/a/b\r\n/c/./d/\n\n"
                                          << "/" << longName;
    Read read = ReadWords({"-list", list.c_str()});
    ASSERT_TRUE(read.run);
    EXPECT_FALSE(read.request.encrypt);
    EXPECT_EQ(read.request.items, (std::vector<std::string>{"/a/b", "/c/d", "", "/" + longName}));
    read = ReadWords({"-list", (folder.Path() + "/none").c_str()});
    EXPECT_TRUE(read.run);
    EXPECT_TRUE(read.request.items.empty());
}

TEST(CommandPaths, OperandsBecomeAbsoluteAndNormal) {
    const std::string here = std::filesystem::current_path().string();
    EXPECT_EQ(LCommandAbsolutePath("Docs/"), here + "/Docs");
    EXPECT_EQ(LCommandAbsolutePath("."), here);
    EXPECT_EQ(LCommandAbsolutePath("/a/../b//c/."), "/b/c");
    EXPECT_EQ(LCommandAbsolutePath("/"), "/");
    EXPECT_EQ(LCommandAbsolutePath(""), "");
}

TEST(CommandPaths, ItemsAreTidiedAndSameNamesRefused) {
    TestFolder folder;
    const std::string docs = folder.Path() + "/Docs";
    std::filesystem::create_directories(docs + "/inner");
    std::vector<std::string> items{docs, "", docs + "/inner", docs, "/elsewhere/x"};
    std::string same;
    ASSERT_TRUE(LCommandTidyItems(items, same));
    EXPECT_EQ(items, (std::vector<std::string>{docs, "/elsewhere/x"}));

    items = {"/one/report", "/two/report"};
    EXPECT_FALSE(LCommandTidyItems(items, same));
    EXPECT_EQ(same, "report");
    // Names differ by case only: both are kept, as Linux tells them apart.
    items = {"/one/Report", "/two/report"};
    EXPECT_TRUE(LCommandTidyItems(items, same));
}
