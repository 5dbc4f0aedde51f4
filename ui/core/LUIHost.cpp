#include "LUIHost.h"

#include "LOpenURL.h"
#include "LTiming.h"

#include <poll.h>

void LUIHost::OpenURL(const std::string& url) {
    LOpenURL(url.c_str());
}

namespace {

// Serves before any host is installed: nothing can be shown, so nothing is asked.
class LUIHostNone final : public LUIHost {
public:
    LRect ScreenArea(const LWindow*) override { return {0, 0, 1024, 768}; }
    bool CanAttachSheet(const LWindow&) override { return false; }
    bool CreateWindow(LWindow&, LWindow*, LWindowForm) override { return false; }
    void WindowChanged(LWindow&) override {}
    void ControlChanged(LWindow&, const LControl&) override {}
    void ShowWindow(LWindow&, bool) override {}
    void BringToFront(LWindow&) override {}
    void SetFocus(LWindow&, const LControl&) override {}
    void RunModalLoop(LWindow&) override {}
    void EndModalLoop(LWindow&) override {}
    void DestroyWindow(LWindow&) override {}
    void BeginModalState(LWindow&) override {}
    void EndModalState(LWindow&) override {}
    void ShowBubbleTip(LWindow&, const LControl&, const std::string&, const std::string&) override {
    }
    void SetMenuBarEnabled(bool) override {}
    bool PumpEvents() override { return false; }
    LUIWaitResult WaitForEvent(unsigned int ms, int wakeFd) override {
        if (wakeFd < 0) {
            Sleep(ms);
            return LUIWaitResult::TimedOut;
        }
        pollfd member{wakeFd, POLLIN, 0};
        return poll(&member, 1, LPollTimeout(ms)) > 0 ? LUIWaitResult::Ready
                                                      : LUIWaitResult::TimedOut;
    }
    void SetTimer(LWindow&, int, unsigned int) override {}
    void KillTimer(LWindow&, int) override {}
    LMessageBoxAnswer ShowMessageBox(const LMessageBoxRequest& request) override {
        return {-1, request.tick};
    }
    bool ShowChooser(const LChooserRequest&, LChooserAnswer&) override { return false; }
    void SetClipboardText(const std::string&) override {}
};

LUIHost* installed = nullptr;

}  // namespace

LUIHost& LUIHostCurrent() {
    static LUIHostNone none;
    return installed != nullptr ? *installed : none;
}

LUIHostScope::LUIHostScope(LUIHost& host) : previous(installed) {
    installed = &host;
}

LUIHostScope::~LUIHostScope() {
    installed = previous;
}
