#include "LFileDescriptor.h"
#include "LFileIO.h"
#include "LFileReadLine.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>
#include <fstream>
#include <thread>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

LFileDescriptor OpenWith(const TestFolder& folder, const std::string& data) {
    std::string path = folder / "lines";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << data;
    return LFileDescriptor(open(path.c_str(), O_RDONLY));
}

Lines BoundedLines(int fd, size_t size) {
    Lines lines;
    std::vector<char> buffer(size + 1, '#');
    while (LFileReadLine(fd, buffer.data(), size)) {
        lines.emplace_back(buffer.data());
    }
    return lines;
}

Lines WholeLines(int fd) {
    Lines lines;
    LFileLineReader reader(fd);
    for (std::string line; reader.ReadLine(line);) {
        lines.push_back(line);
    }
    return lines;
}

struct LineCase {
    std::string data;
    Lines lines;
};

const LineCase kLineCases[] = {
    {"a\r\nb\n\nx", {"a", "b", "", "x"}},
    {"a\n\rb", {"a", "b"}},
    {"a\r\rb\n", {"a", "", "b"}},
    {"a\n\n", {"a", ""}},
    {"\n", {""}},
    {"", {}},
    {"one", {"one"}},
    {"a\r", {"a"}},
};

}  // namespace

TEST(FileReadLine, LineEndsBothForms) {
    TestFolder folder;
    for (const LineCase& c : kLineCases) {
        SCOPED_TRACE(testing::PrintToString(c.data));
        EXPECT_EQ(BoundedLines(OpenWith(folder, c.data).Get(), 260), c.lines);
        EXPECT_EQ(WholeLines(OpenWith(folder, c.data).Get()), c.lines);
    }
}

TEST(FileReadLine, BoundedFormCutsLongLinesAndReadsOn) {
    TestFolder folder;
    std::string longLine(300, 'x');
    LFileDescriptor fd = OpenWith(folder, longLine + "\r\nnext");
    EXPECT_EQ(BoundedLines(fd.Get(), 260), (Lines{std::string(259, 'x'), "next"}));
    EXPECT_EQ(WholeLines(OpenWith(folder, longLine + "\r\nnext").Get()), (Lines{longLine, "next"}));

    char unused = '#';
    EXPECT_TRUE(LFileReadLine(OpenWith(folder, "abc\n").Get(), &unused, 0));
    EXPECT_EQ(unused, '#') << "a buffer of size 0 is never written";
    char one[1] = {'#'};
    EXPECT_TRUE(LFileReadLine(OpenWith(folder, "abc").Get(), one, 1));
    EXPECT_EQ(one[0], '\0');
    EXPECT_FALSE(LFileReadLine(-1, one, 1));
}

TEST(FileReadLine, ReaderWorksOnPipesAndLeavesTheRestToTheNextReader) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    LFileDescriptor readEnd(ends[0]);
    std::thread writer([fd = ends[1]] {
        LFileWriteString(fd, "first\r");
        usleep(20000);  // the LF arrives in a later read
        LFileWriteString(fd, "\nsecond\n\rthird");
        close(fd);
    });
    EXPECT_EQ(WholeLines(readEnd.Get()), (Lines{"first", "second", "third"}));
    writer.join();

    TestFolder folder;
    LFileDescriptor fd = OpenWith(folder, "one\ntwo\nthree\n");
    {
        LFileLineReader reader(fd.Get());
        std::string line;
        ASSERT_TRUE(reader.ReadLine(line));
        EXPECT_EQ(line, "one");
    }
    EXPECT_EQ(BoundedLines(fd.Get(), 260), (Lines{"two", "three"}));
}

TEST(FileIO, PlainHelpers) {
    TestFolder folder;
    std::string path = folder / "plain";
    LFileDescriptor writer(LFileOpenWrite(path));
    ASSERT_TRUE(writer.IsOpen());
    EXPECT_EQ(LFileOpenWrite(path), -1) << "locked by the first writer";
    EXPECT_TRUE(LFileWriteLine(writer.Get(), "hello"));
    EXPECT_TRUE(LFileWriteString(writer.Get(), "world"));
    lseek(writer.Get(), 3, SEEK_SET);
    EXPECT_TRUE(LFileTruncate(writer.Get()));
    writer.Reset();

    LFileDescriptor reader(LFileOpenRead(path));
    char buffer[16] = {};
    EXPECT_EQ(LFileRead(reader.Get(), buffer, sizeof buffer), 3u);
    EXPECT_EQ(std::string(buffer), "hel");
    EXPECT_EQ(LFileRead(reader.Get(), buffer, sizeof buffer), 0u);
    EXPECT_EQ(LFileRead(-1, buffer, sizeof buffer), 0u);
    EXPECT_EQ(LFileWrite(-1, "x", 1), 0u);
    EXPECT_FALSE(LFileWriteString(reader.Get(), "read-only"));
    EXPECT_EQ(LFileOpenRead(folder / "missing"), -1);
}
