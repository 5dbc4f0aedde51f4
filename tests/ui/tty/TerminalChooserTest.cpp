#include "LFileChooser.h"
#include "LTerminalHost.h"
#include "PtyChild.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

TEST(TerminalChooser, SaveTakesTheDefaultAsksBeforeReplacingAndAddsTheExtension) {
    TestFolder folder;
    std::ofstream(folder / "mine.zel") << "x";
    PtyChild child([&folder] {
        if (chdir(folder.Path().c_str()) != 0) {
            return 1;
        }
        LTerminalHost host;
        LUIHostScope scope(host);
        std::string path = folder.Path() + "/";
        std::string chosenFolder;
        int filter = 0;
        const bool ok = LFileChooseSave(nullptr, path, "Save the container as", chosenFolder,
                                        {kLFilterZel, kLFilterAllFiles}, "zel", filter);
        ChildReport("RESULT ok=" + std::to_string(ok) + " path=" + path +
                    " filter=" + std::to_string(filter));
        return 0;
    });
    ASSERT_TRUE(child.WaitFor("Save the container as [" + folder.Path() + "/Untitled.zel]: "));
    child.Type("mine\n");
    ASSERT_TRUE(child.WaitFor("\"mine.zel\" already exists. Replace it? [y/N]: "));
    child.Type("n\n");
    ASSERT_TRUE(child.WaitFor("Save the container as ["));
    child.Type("nowhere/x.zel\n");
    ASSERT_TRUE(child.WaitFor("There is no folder " + folder.Path() + "/nowhere"));
    child.Type("\n");
    ASSERT_TRUE(child.WaitFor("RESULT ok=1 path=" + folder.Path() + "/Untitled.zel filter=1"));
    EXPECT_EQ(child.Finish(), 0);
}

TEST(TerminalChooser, AFolderMustExistAndCtrlCCancels) {
    TestFolder folder;
    PtyChild child([&folder] {
        LTerminalHost host;
        LUIHostScope scope(host);
        std::string path = folder.Path();
        const bool first = LFolderChoose(nullptr, path, "Decrypt into");
        const std::string chosen = path;
        const bool second = LFolderChoose(nullptr, path, "Or rather into");
        ChildReport("RESULT first=" + std::to_string(first) + " chosen=" + chosen +
                    " second=" + std::to_string(second));
        return 0;
    });
    ASSERT_TRUE(child.WaitFor("Decrypt into [" + folder.Path() + "]: "));
    child.Type(folder.Path() + "/missing\n");
    ASSERT_TRUE(child.WaitFor("There is no folder " + folder.Path() + "/missing"));
    ASSERT_TRUE(child.WaitFor("Decrypt into ["));
    child.Type(folder.Path() + "/./\n");
    // Ctrl-C throws away input not read yet: it waits for the next question.
    ASSERT_TRUE(child.WaitFor("Or rather into ["));
    child.Type("\x03");
    ASSERT_TRUE(child.WaitFor("RESULT first=1 chosen=" + folder.Path() + " second=0"));
    EXPECT_EQ(child.Finish(), 0);
}
