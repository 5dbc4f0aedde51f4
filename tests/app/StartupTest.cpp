#include "LStartup.h"
#include "LUIMode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

TEST(Startup, ProcessSerialNumberIsDroppedOnlyInSecondPlace) {
    const char* withSerial[] = {"zel", "-psn_0_12345", "-version"};
    EXPECT_EQ(LCaptureArguments(3, withSerial), (std::vector<std::string>{"zel", "-version"}));
    const char* later[] = {"zel", "-version", "-psn_0_1"};
    EXPECT_EQ(LCaptureArguments(3, later),
              (std::vector<std::string>{"zel", "-version", "-psn_0_1"}));
}

TEST(Startup, ModeFollowsZelUiThenTheDisplay) {
    struct Case {
        const char* ui;
        const char* display;
        bool command;
        LUIMode mode;
    } cases[] = {
        {"terminal", ":0", false, LUIMode::Terminal},
        {"gui", "", true, LUIMode::Window},
        {nullptr, "", false, LUIMode::Terminal},
        {nullptr, ":0", false, LUIMode::Window},
    };
    for (const Case& c : cases) {
        if (c.ui) {
            setenv("ZEL_UI", c.ui, 1);
        } else {
            unsetenv("ZEL_UI");
        }
        setenv("DISPLAY", c.display, 1);
        unsetenv("WAYLAND_DISPLAY");
        EXPECT_EQ(LChooseUIMode(c.command), c.mode) << (c.ui ? c.ui : "-") << c.display;
    }
    unsetenv("ZEL_UI");
    unsetenv("DISPLAY");
}
