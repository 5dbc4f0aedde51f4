#include "LCommandOutputReader.h"
#include "LOpenURL.h"
#include "LProcessInterfaceSilent.h"
#include "LRunCommand.h"
#include "LRunCommandProcess.h"
#include "LTiming.h"
#include "TestFiles.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

bool WaitForFile(const std::string& path, unsigned int ms) {
    LDeadline deadline(ms);
    while (access(path.c_str(), F_OK) != 0) {
        if (deadline.Remaining() == 0) {
            return false;
        }
        Sleep(10);
    }
    return true;
}

std::string ReadOutput(LCommandOutputReader& reader) {
    std::string text;
    char chunk[7];  // small on purpose: output arrives over several reads
    for (size_t n; (n = reader.Read(chunk, sizeof chunk)) > 0;) {
        text.append(chunk, n);
    }
    return text;
}

// A process interface whose stop request arrives from another thread after a while, as a
// Cancel press would.
class StopLater : public LProcessInterfaceSilent {
public:
    explicit StopLater(unsigned int ms)
        : timer([this, ms] {
              Sleep(ms);
              stop.Set();
          }) {}
    ~StopLater() override { timer.join(); }
    bool IsToStop() override { return stop.IsSet(); }
    LProcessResult ProcessWaitSignal(LSignalObjectRef signal, unsigned int ms) override {
        LSignalObjectGroup group;
        group.Add(signal);
        group.Add(stop.Ref());
        if (group.Wait(ms) <= 0) {
            return LProcessResultFailed;
        }
        return stop.IsSet() ? LProcessResultStopped : LProcessResultSuccess;
    }

private:
    LSignalObject stop;
    std::thread timer;
};

}  // namespace

TEST(RunCommand, TrueOnlyForExitStatusZero) {
    struct Case {
        const char* command;
        bool expected;
    } cases[] = {
        {"exit 0", true},
        {"exit 1", false},
        {"exit 255", false},
        {"kill -KILL $$", false},
        {"/nonexistent/tool", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LRunCommand(c.command), c.expected) << c.command;
    }
}

TEST(RunCommand, ArgvFormReportsExitStatusesAndStartFailures) {
    EXPECT_EQ(LRunCommandArgvExitCode({"/bin/sh", "-c", "exit 7"}), 7);
    EXPECT_EQ(LRunCommandArgvExitCode({"/bin/sh", "-c", "kill -TERM $$"}), -1);
    EXPECT_EQ(LRunCommandArgvExitCode({"/nonexistent/tool"}), -1);
    EXPECT_EQ(LRunCommandArgvExitCode({}), -1);
    EXPECT_TRUE(LRunCommandArgv({"true"}));  // looked up on PATH
}

TEST(RunCommand, ArgvFormPassesHostileNamesAsPlainArguments) {
    TestFolder folder;
    const std::string name = "it's \"$HOME\" `touch pwned` & $(touch pwned2); -rf *";
    const std::string source = folder / "source";
    std::ofstream(source) << "payload";

    ASSERT_TRUE(LRunCommandArgv({"cp", "--", source, name}, folder.Path()));
    EXPECT_EQ(ReadAll(folder / name), "payload");
    EXPECT_NE(access((folder / "pwned").c_str(), F_OK), 0);
    EXPECT_NE(access((folder / "pwned2").c_str(), F_OK), 0);
}

TEST(RunCommand, ArgvFormRunsInTheWorkingFolderAndKeepsOurs) {
    TestFolder folder;
    char before[4096];
    ASSERT_NE(getcwd(before, sizeof before), nullptr);
    ASSERT_TRUE(LRunCommandArgv({"touch", "made-here"}, folder.Path()));
    EXPECT_EQ(access((folder / "made-here").c_str(), F_OK), 0);
    char after[4096];
    ASSERT_NE(getcwd(after, sizeof after), nullptr);
    EXPECT_STREQ(before, after);
    EXPECT_FALSE(LRunCommandArgv({"true"}, folder / "missing"));
}

TEST(RunCommand, ChildRunsInItsOwnProcessGroup) {
    LCommandOutputReader reader;
    ASSERT_TRUE(reader.Open({"/bin/sh", "-c", "ps -o pgid= -p $$"}));
    long childGroup = std::atol(ReadOutput(reader).c_str());
    EXPECT_GT(childGroup, 0);
    EXPECT_NE(childGroup, static_cast<long>(getpgrp()));
}

TEST(CommandOutputReader, CollectsEverythingThenCloses) {
    LCommandOutputReader reader;
    ASSERT_TRUE(reader.Open("printf 'first line\\nsecond line\\n'; exit 4"));
    EXPECT_EQ(ReadOutput(reader), "first line\nsecond line\n");
    EXPECT_EQ(reader.Close(), 4);
    char c;
    EXPECT_EQ(reader.Read(&c, 1), 0u);  // a closed reader stays closed
}

TEST(CommandOutputReader, SilentCommandGivesZeroOnFirstRead) {
    LCommandOutputReader reader;
    ASSERT_TRUE(reader.Open("true"));
    char buffer[64];
    EXPECT_EQ(reader.Read(buffer, sizeof buffer), 0u);
}

TEST(CommandOutputReader, ArgvFormReadsTheOutputOfANameWithQuotes) {
    TestFolder folder;
    const std::string name = folder / "a \"quoted\" $name";
    std::ofstream(name) << "inside";
    LCommandOutputReader reader;
    ASSERT_TRUE(reader.Open({"cat", name}));
    EXPECT_EQ(ReadOutput(reader), "inside");
}

TEST(CommandOutputReader, PipeIsNotInheritedByOtherCommands) {
    LCommandOutputReader reader;
    ASSERT_TRUE(reader.Open("echo done"));
    // A second command started meanwhile must not hold the first one's pipe open.
    LCommandOutputReader other;
    ASSERT_TRUE(other.Open("sleep 0.5"));
    EXPECT_EQ(ReadOutput(reader), "done\n");
}

TEST(RunCommandProcess, ReturnsTheExitCodeOfAFinishedCommand) {
    LProcessInterfaceSilent silent;
    int exitCode = 99;
    EXPECT_EQ(ProcessRunCommandLineProcessWithExitCode(silent, "exit 3", 7200000, exitCode),
              LProcessResultSuccess);
    EXPECT_EQ(exitCode, 3);
}

TEST(RunCommandProcess, TimeOutZeroOnlyStartsTheCommand) {
    TestFolder folder;
    const std::string marker = folder / "ran";
    const std::string command = "sleep 0.3; touch '" + marker + "'";
    LProcessInterfaceSilent silent;
    int exitCode = 99;
    unsigned int before = GetTickCount();
    EXPECT_EQ(ProcessRunCommandLineProcessWithExitCode(silent, command.c_str(), 0, exitCode),
              LProcessResultSuccess);
    EXPECT_LT(GetTickCount() - before, 250u);
    EXPECT_EQ(exitCode, -1);
    EXPECT_TRUE(WaitForFile(marker, 5000)) << "the command did not run on";
}

TEST(RunCommandProcess, StopDuringTheWaitReturnsAtOnceAndTheCommandRunsOn) {
    TestFolder folder;
    const std::string marker = folder / "ran";
    const std::string command = "sleep 1; touch '" + marker + "'";
    StopLater process(100);
    int exitCode = 99;
    unsigned int before = GetTickCount();
    EXPECT_EQ(
        ProcessRunCommandLineProcessWithExitCode(process, command.c_str(), 0xFFFFFFFFu, exitCode),
        LProcessResultStopped);
    EXPECT_LT(GetTickCount() - before, 900u);
    EXPECT_EQ(exitCode, -1);
    EXPECT_TRUE(WaitForFile(marker, 5000)) << "the command was killed";
}

TEST(RunCommandProcess, TimeOutIsAFailure) {
    LProcessInterfaceSilent silent;
    int exitCode = 99;
    EXPECT_EQ(ProcessRunCommandLineProcessWithExitCode(silent, "sleep 0.5", 50, exitCode),
              LProcessResultFailed);
    EXPECT_EQ(exitCode, -1);
}

TEST(RunCommandProcess, KilledCommandKeepsExitCodeMinusOne) {
    LProcessInterfaceSilent silent;
    int exitCode = 99;
    EXPECT_EQ(ProcessRunCommandLineProcessWithExitCode(silent, "kill -KILL $$", 5000, exitCode),
              LProcessResultSuccess);
    EXPECT_EQ(exitCode, -1);
}

TEST(OpenURL, HandsTheURLToTheDesktopOpenerUnchanged) {
    TestFolder folder;
    const std::string opener = folder / "xdg-open";
    const std::string record = folder / "opened";
    std::ofstream(opener) << "#!/bin/sh\nprintf '%s' \"$1\" > '" << record << ".tmp' && mv '"
                          << record << ".tmp' '" << record << "'\n";
    chmod(opener.c_str(), 0755);
    const char* oldPath = std::getenv("PATH");
    std::string savedPath = oldPath ? oldPath : "";
    setenv("PATH", (folder.Path() + ":" + savedPath).c_str(), 1);

    LOpenURL("file:///home/me/My Help/index.html");
    bool opened = WaitForFile(record, 5000);
    setenv("PATH", savedPath.c_str(), 1);
    ASSERT_TRUE(opened);
    EXPECT_EQ(ReadAll(record), "file:///home/me/My Help/index.html");
}
