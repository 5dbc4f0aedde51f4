#include "LProcessInterfaceTerminal.h"
#include "LProcessRunAsDialog.h"
#include "LSignalObject.h"
#include "LTerminalHost.h"
#include "LTiming.h"
#include "PtyChild.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A run that holds a temporary file until it is stopped, and removes it on the way out.
struct HoldingRun {
    std::string scratch;
};

LProcessResult Process(LProcessInterface& process, HoldingRun& run) {
    std::ofstream(run.scratch) << "partial";
    process.SetStatus("Encrypting...", 0);
    ChildReport("RUNNING");
    LProcessResult result = LProcessResultSuccess;
    for (int step = 0; step < 1000; ++step) {
        process.SetProgress(step / 1000.0);
        if (process.IsToStop() || process.ProcessWait(20) == LProcessResultStopped) {
            result = LProcessResultStopped;
            break;
        }
    }
    std::filesystem::remove(run.scratch);
    return result;
}

std::string Outcome(LProcessResult result, const std::string& scratch) {
    return "RESULT result=" + std::to_string(result) +
           " left=" + std::to_string(std::filesystem::exists(scratch));
}

}  // namespace

TEST(TerminalRun, CtrlCUnderAProgressWindowStopsTheRunWhichCleansUp) {
    TestFolder folder;
    const std::string scratch = folder / "partial.tmp";
    PtyChild child([&scratch] {
        LTerminalHost host;
        LUIHostScope scope(host);
        HoldingRun run{scratch};
        ChildReport(Outcome(ProcessRunAsDialog(nullptr, "Encrypting files", run), scratch));
        return 0;
    });
    ASSERT_TRUE(child.WaitFor("RUNNING"));
    // The progress line, drawn on stderr since stderr is the terminal.
    ASSERT_TRUE(child.WaitFor("% Encrypting..."));
    child.Type("\x03");
    ASSERT_TRUE(child.WaitFor("RESULT result=1 left=0"));
    EXPECT_EQ(child.Finish(), 0);
}

TEST(TerminalRun, CtrlCStopsARunWithoutAWindowInTerminalMode) {
    TestFolder folder;
    const std::string scratch = folder / "partial.tmp";
    PtyChild child([&scratch] {
        LTerminalHost host;
        LUIHostScope scope(host);
        LProcessInterfaceTerminal process;
        HoldingRun run{scratch};
        const LProcessResult result = Process(process, run);
        ChildReport(Outcome(result, scratch) + " still=" + std::to_string(process.IsToStop()));
        return 0;
    });
    ASSERT_TRUE(child.WaitFor("RUNNING"));
    child.Type("\x03");
    ASSERT_TRUE(child.WaitFor("RESULT result=1 left=0 still=1"));
    EXPECT_EQ(child.Finish(), 0);
}

TEST(TerminalRun, ASecondCtrlCWithNobodyListeningEndsTheProgram) {
    PtyChild child([] {
        LTerminalHost host;
        ChildReport("IDLE");
        Sleep(10000);  // neither a run nor a prompt takes the first Ctrl-C
        ChildReport("SURVIVED");
        return 0;
    });
    ASSERT_TRUE(child.WaitFor("IDLE"));
    child.Type("\x03");
    Sleep(200);  // two signals sent at once may arrive as one
    child.Type("\x03");
    EXPECT_EQ(child.Finish(), -1);
    EXPECT_EQ(child.Output().find("SURVIVED"), std::string::npos);
}

TEST(TerminalRun, WithoutAWindowWaitsEndAsTheSilentOnesDoOrByCtrlC) {
    PtyChild child([] {
        LProcessInterfaceTerminal process;
        LSignalObject set;
        set.Set();
        LSignalObject never;
        std::string out = "RESULT";
        out += " wait=" + std::to_string(process.ProcessWait(5));
        out += " set=" + std::to_string(process.ProcessWaitSignal(set.Ref(), 0));
        out += " timeout=" + std::to_string(process.ProcessWaitSignal(never.Ref(), 5));
        ChildReport("WAITING");
        out += " forever=" + std::to_string(process.ProcessWaitSignal(never.Ref(), 0xFFFFFFFFu));
        LSignalObjectGroup group;
        group.Add(set.Ref());
        out += " after=" + std::to_string(process.ProcessWaitSignalObjectGroup(group, 5));
        ChildReport(out);
        return 0;
    });
    ASSERT_TRUE(child.WaitFor("WAITING"));
    child.Type("\x03");
    // Once stopped, it stays stopped.
    ASSERT_TRUE(child.WaitFor("RESULT wait=0 set=0 timeout=2 forever=1 after=1"));
    EXPECT_EQ(child.Finish(), 0);
}
