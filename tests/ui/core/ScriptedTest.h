#pragma once

#include "LDialog.h"
#include "LLayout.h"
#include "LScriptedHost.h"
#include "LUIHost.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every test here talks to the model through a scripted host, which must end with its script
// used up and no step out of place.
class ScriptedTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_THAT(host.Faults(), ::testing::IsEmpty());
        EXPECT_TRUE(host.ScriptDone());
    }

    LScriptedHost host;
    LUIHostScope scope{host};
};

// A small dialog: an edit field 101 (notifying command 500), a check box 102, a popup 103, a
// list 104 and a button 105, with the standard buttons. It records its hooks.
class ProbeDialog : public LDialog {
public:
    static void Layout(LWindow& window, int x, int y, bool standardButtons) {
        LLayoutEditField(window, 101, x + 18, y + 14, 200);
        LLayoutCheckBox(window, 102, "Tick", {x + 18, y + 44, 200, 20});
        LLayoutPopupMenu(window, 103, x + 18, y + 74, 200);
        LLayoutListView(window, 104, {x + 18, y + 104, 300, 100});
        LLayoutPushButton(window, 105, "Do", {x + 18, y + 214, 100, 20});
        if (standardButtons) {
            LLayoutStandardButtons(window, x, y + 250, 400);
        }
    }

    ProbeDialog() : LDialog(LDialogTemplate{400, 280, "Probe", 0, Layout}) {}

    void InitDialog() override {
        calls.push_back("InitDialog");
        NotifyOnEdit(101, 500);
    }
    void EvDestroy() override { calls.push_back("EvDestroy"); }
    bool EvOK() override {
        calls.push_back("EvOK");
        return acceptOK;
    }
    bool EvCancel() override {
        calls.push_back("EvCancel");
        return acceptCancel;
    }
    void EvHelp() override { calls.push_back("EvHelp"); }
    void RefreshControls() override { calls.push_back("RefreshControls"); }
    void Command(int id) override { calls.push_back("Command " + std::to_string(id)); }

    bool acceptOK = true;
    bool acceptCancel = true;
    std::vector<std::string> calls;
};
