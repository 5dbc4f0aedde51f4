#include "LFileNameClean.h"
#include "LPath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PathCase {
    const char* path;
    const char* folder;
    const char* fileName;
    const char* extension;
    const char* title;
    const char* topFolder;
};

// One row a path, every way of taking it apart.
const PathCase kPathCases[] = {
    // path             folder     file name   extension  title        top folder
    {"/a/b.txt", "/a", "b.txt", ".txt", "b", "/a"},
    {"/b.txt", "/", "b.txt", ".txt", "b", "/b.txt"},
    {"b.txt", "", "b.txt", ".txt", "b", "b.txt"},
    {"/a.d/b.txt", "/a.d", "b.txt", ".txt", "b", "/a.d"},
    {"/a.d/b", "/a.d", "b", "", "b", "/a.d"},
    {"/a/b.tar.gz", "/a", "b.tar.gz", ".gz", "b.tar", "/a"},
    {".profile", "", ".profile", ".profile", ".profile", ".profile"},
    {"/home/u/.profile", "/home/u", ".profile", ".profile", ".profile", "/home"},
    {"/Volumes/Disk/x", "/Volumes/Disk", "x", "", "x", "/Volumes"},
    {"/", "/", "", "", "", "/"},
    {"", "", "", "", "", ""},
    {"name", "", "name", "", "name", "name"},
    {"/a/b/", "/a/b", "", "", "", "/a"},
    {"dir.d/", "dir.d", "", "", "", "dir.d"},
    {"a\\b.txt", "a", "b.txt", ".txt", "b", "a\\b.txt"},
    {"C:\\dir.x\\f", "C:\\dir.x", "f", "", "f", "C:"},
    {"\\b.txt", "\\", "b.txt", ".txt", "b", "\\b.txt"},
    {"a/b/c", "a/b", "c", "", "c", "a/b"},
    {"//x", "/", "x", "", "x", "//x"},
    {"/a/b.", "/a", "b.", ".", "b", "/a"},
};

}  // namespace

TEST(Path, TakingApart) {
    for (const PathCase& c : kPathCases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(LPathGetFolder(c.path), c.folder);
        EXPECT_EQ(LPathGetFileName(c.path), c.fileName);
        EXPECT_EQ(LPathGetExtension(c.path), c.extension);
        EXPECT_EQ(LPathGetTitle(c.path), c.title);
        EXPECT_EQ(LPathGetTopFolder(c.path), c.topFolder);
    }
}

TEST(Path, Append) {
    struct Case {
        const char* folder;
        const char* name;
        const char* suffix;
        const char* expected;
    } cases[] = {
        {"a/b", "c", ".zel", "a/b/c.zel"}, {"", "c", ".zel", "c.zel"}, {"a/b/", "c", "", "a/b/c"},
        {"a\\", "c", "", "a\\c"},          {"/", "etc", "", "/etc"},   {"a", "", "", "a/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LPathAppend(c.folder, c.name, c.suffix), c.expected) << c.folder << "|" << c.name;
    }
}

TEST(Path, ReplaceExtension) {
    struct Case {
        const char* path;
        const char* extension;
        const char* expected;
    } cases[] = {
        {"a/b.txt", ".zel", "a/b.zel"},
        {"a/b", ".zel", "a/b.zel"},
        {"dir.d/file", ".zel", "dir.d/file.zel"},
        {"dir.d\\file", ".zel", "dir.d\\file.zel"},
        {"a/b.tar.gz", ".zel", "a/b.tar.zel"},
        {".profile", ".zel", ".profile.zel"},
        // A hidden file keeps its name: two of them in one folder must not both become ".zel".
        {"/home/u/.bashrc", ".zel", "/home/u/.bashrc.zel"},
        {"/x/out.ZEL", ".app", "/x/out.app"},
        {"", ".zel", ".zel"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LPathReplaceExtension(c.path, c.extension), c.expected) << c.path;
    }
}

TEST(Path, LongPathsAreNeverCut) {
    std::string folder(300, 'f');
    std::string path = LPathAppend("/" + folder, std::string(300, 'n'), ".txt");
    EXPECT_EQ(path.size(), 1 + 300 + 1 + 300 + 4u);
    EXPECT_EQ(LPathGetFolder(path), "/" + folder);
    EXPECT_EQ(LPathReplaceExtension(path, ".zel"), path.substr(0, path.size() - 4) + ".zel");
}

TEST(FileNameClean, DropsCharactersNoFileNameMayHold) {
    struct Case {
        std::string source;
        std::string expected;
        bool anythingLeft;
    } cases[] = {
        {"a:b?.txt", "ab.txt", true},
        {"plain name.zel", "plain name.zel", true},
        {"\"*/:<>?\\|", "", false},
        {std::string("\x01tab\there\x1f\x7f", 11), "tabhere\x7f", true},
        {"", "", false},
        {"/home/user/out", "homeuserout", true},
        {std::string(400, 'x'), std::string(400, 'x'), true},
    };
    for (const Case& c : cases) {
        std::string destination = "stale";
        EXPECT_EQ(LFileNameClean(c.source, destination), c.anythingLeft) << c.source;
        EXPECT_EQ(destination, c.expected);
    }
}
