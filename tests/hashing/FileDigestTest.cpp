#include <gtest/gtest.h>
#include <sys/file.h>

#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "LCommandOutputReader.h"
#include "LFileDescriptor.h"
#include "LFileDigest.h"
#include "LFileIO.h"
#include "LProcessInterface.h"
#include "TestFolder.h"

namespace {

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::string RandomBytes(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    return bytes;
}

// Answers "stop" from the stopAt-th question on (never when stopAt is 0) and counts them.
class StopAfter : public LProcessInterface {
public:
    explicit StopAfter(int stopAtQuestion) : stopAt(stopAtQuestion) {}
    bool IsToStop() override { return ++asked >= stopAt && stopAt > 0; }
    LProcessResult ProcessWait(unsigned int) override { return LProcessResultSuccess; }
    LProcessResult ProcessWaitSignal(LSignalObjectRef, unsigned int) override {
        return LProcessResultSuccess;
    }
    LProcessResult ProcessWaitSignalObjectGroup(LSignalObjectGroup&, unsigned int) override {
        return LProcessResultSuccess;
    }
    int asked = 0;

private:
    int stopAt;
};

// The six file forms behind one shape: a null process means the plain form.
struct Form {
    const char* name;
    int (*plain)(const std::string&, char*);
    LFileDigestProcessFunction stoppable;
};

int PlainMD5(const std::string& path, char* result) {
    LMD5FileCreateDigest(path, result);
    return result[0] != '\0' ? 0 : -1;
}

const Form kForms[] = {
    {"MD5", PlainMD5, LMD5FileCreateDigestProcess},
    {"SHA-1", LSHA1FileCreateDigest, LSHA1FileCreateDigestProcess},
    {"Tiger", LTigerFileCreateDigest, LTigerFileCreateDigestProcess},
};

std::string Digest(const Form& form, const std::string& path) {
    char result[49] = "stale";
    form.plain(path, result);
    return result;
}

// md5, sha1 and tiger of a file as rhash prints them.
std::vector<std::string> RHash(const std::string& path) {
    LCommandOutputReader reader;
    EXPECT_TRUE(reader.Open({"rhash", "--printf=%{md5} %{sha1} %{tiger}", "--", path}));
    std::string output;
    char chunk[256];
    while (size_t got = reader.Read(chunk, sizeof chunk)) {
        output.append(chunk, got);
    }
    EXPECT_EQ(reader.Close(), 0) << output;
    std::vector<std::string> words;
    for (size_t at = 0; at < output.size();) {
        size_t end = output.find(' ', at);
        end = end == std::string::npos ? output.size() : end;
        words.push_back(output.substr(at, end - at));
        at = end + 1;
    }
    return words;
}

TEST(FileDigest, PublishedValuesOfSmallFiles) {
    TestFolder folder;
    struct Case {
        const Form& form;
        std::string content;
        const char* digest;
    };
    const Case cases[] = {
        {kForms[0], "abc", "900150983cd24fb0d6963f7d28e17f72"},
        {kForms[0], "", "d41d8cd98f00b204e9800998ecf8427e"},
        {kForms[1], "abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
        {kForms[1], "16055", "000055d41c8a62052dd426592e8a4a3342bf565d"},
        {kForms[2], "", "3293ac630c13f0245f92bbb1766e16167a4e58492dde73f3"},
        {kForms[2], "abc", "2aab1484e8c158f2bfb8c5ff41b57a525129131c957b5f93"},
    };
    for (const Case& c : cases) {
        const std::string path = folder / "file";
        WriteFile(path, c.content);
        EXPECT_EQ(Digest(c.form, path), c.digest) << c.form.name << " of \"" << c.content << '"';
    }
}

// Sizes around the block of 64 bytes, the padding limit of 56, 1024 and our own read size.
TEST(FileDigest, AllFormsAgreeWithRHashOnRandomFiles) {
    TestFolder folder;
    const size_t sizes[] = {1,    55,   56,   57,   63,    64,    65,    127,   128,
                            1023, 1024, 1025, 4159, 65535, 65536, 65537, 200003};
    for (size_t size : sizes) {
        const std::string path = folder / ("random" + std::to_string(size));
        WriteFile(path, RandomBytes(size, static_cast<unsigned>(size)));
        const std::vector<std::string> expected = RHash(path);
        ASSERT_EQ(expected.size(), 3u);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(Digest(kForms[i], path), expected[i]) << kForms[i].name << ", " << size;
            StopAfter never(0);
            char result[49] = "stale";
            EXPECT_EQ(kForms[i].stoppable(never, path, result), 0);
            EXPECT_EQ(result, expected[i]) << kForms[i].name << " stoppable, " << size;
        }
    }
}

// A missing file, and a folder, which opens but cannot be read: the text stays empty rather
// than holding the digest of no bytes.
TEST(FileDigest, UnreadablePathsGiveTheEmptyText) {
    TestFolder folder;
    for (const std::string& path : {folder / "missing", folder.Path()}) {
        for (const Form& form : kForms) {
            char result[49] = "stale";
            EXPECT_EQ(form.plain(path, result), -1) << form.name << ' ' << path;
            EXPECT_STREQ(result, "") << form.name << ' ' << path;
            StopAfter never(0);
            std::strcpy(result, "stale");
            EXPECT_EQ(form.stoppable(never, path, result), -1) << form.name << ' ' << path;
            EXPECT_STREQ(result, "") << form.name << ' ' << path;
        }
    }
}

// The question is asked before every read and once more before the final step; a stop at any
// of them ends the run with the stop value and no result text.
TEST(FileDigest, StoppableFormsStopWhenAsked) {
    TestFolder folder;
    const std::string small = folder / "small";
    const std::string large = folder / "large";
    WriteFile(small, "abc");
    WriteFile(large, RandomBytes(3 * 65536 + 1, 7));
    struct Case {
        const std::string& path;
        int stopAt;
    };
    // The small file: its one piece, the empty read, the final step. The large one: a stop
    // between two pieces.
    const Case cases[] = {{small, 1}, {small, 2}, {small, 3}, {large, 2}};
    for (const Form& form : kForms) {
        StopAfter counting(0);
        char result[49];
        EXPECT_EQ(form.stoppable(counting, small, result), 0) << form.name;
        EXPECT_EQ(counting.asked, 3) << form.name;
        for (const Case& c : cases) {
            StopAfter process(c.stopAt);
            std::strcpy(result, "stale");
            EXPECT_EQ(form.stoppable(process, c.path, result), 1) << form.name << ' ' << c.stopAt;
            EXPECT_STREQ(result, "") << form.name << ' ' << c.stopAt;
            EXPECT_EQ(process.asked, c.stopAt) << form.name << " went on after the stop";
        }
    }
}

// A file another holder keeps locked is still hashed, once the lock wait has run out.
TEST(FileDigest, LockedFileIsReadAfterTheLockWait) {
    TestFolder folder;
    const std::string path = folder / "locked";
    WriteFile(path, "abc");
    LFileDescriptor holder(LFileOpenRead(path));
    ASSERT_EQ(flock(holder.Get(), LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(Digest(kForms[2], path), "2aab1484e8c158f2bfb8c5ff41b57a525129131c957b5f93");
}

}  // namespace
