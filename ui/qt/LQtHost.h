#pragma once

#include "LQtTimers.h"
#include "LUIHost.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <memory>
#include <vector>

class LQtBubbleTip;
class LQtMessageBox;
class LQtWindow;
class QEventLoop;
class QWidget;

// The Qt host: every window of the model as a real window, message boxes, choosers through
// QFileDialog, bubble tips, the clipboard and URLs through the desktop services. Needs a
// QApplication, made before it and living longer; everything runs on the main thread.
class LQtHost : public LUIHost {
public:
    LQtHost();
    ~LQtHost() override;
    LQtHost(const LQtHost&) = delete;
    LQtHost& operator=(const LQtHost&) = delete;

    LRect ScreenArea(const LWindow* parent) override;
    bool CanAttachSheet(const LWindow& parent) override;
    bool CreateWindow(LWindow& window, LWindow* parent, LWindowForm form) override;
    void WindowChanged(LWindow& window) override;
    void ControlChanged(LWindow& owner, const LControl& control) override;
    void ShowWindow(LWindow& window, bool show) override;
    void BringToFront(LWindow& window) override;
    void SetFocus(LWindow& owner, const LControl& control) override;
    void RunModalLoop(LWindow& window) override;
    void EndModalLoop(LWindow& window) override;
    void DestroyWindow(LWindow& window) override;
    void BeginModalState(LWindow& window) override;
    void EndModalState(LWindow& window) override;
    void ShowBubbleTip(LWindow& owner, const LControl& control, const std::string& text,
                       const std::string& title) override;
    void SetMenuBarEnabled(bool enabled) override;
    bool PumpEvents() override;
    LUIWaitResult WaitForEvent(unsigned int ms, int wakeFd) override;
    void SetTimer(LWindow& window, int id, unsigned int ms) override;
    void KillTimer(LWindow& window, int id) override;
    LMessageBoxAnswer ShowMessageBox(const LMessageBoxRequest& request) override;
    bool ShowChooser(const LChooserRequest& request, LChooserAnswer& answer) override;
    void SetClipboardText(const std::string& text) override;
    void OpenURL(const std::string& url) override;

    // What is on the screen (tests and screenshots).
    LQtWindow* Window(const LWindow& window) const;
    // The widget of control id of window, as the user reaches it (a shown page first).
    QWidget* Widget(const LWindow& window, int id) const;
    // The innermost message box now open, or null.
    LQtMessageBox* MessageBox() const;
    LQtBubbleTip* BubbleTip() const { return tip.get(); }
    const LQtTimers& Timers() const { return timers; }

private:
    QWidget* WidgetOf(const LWindow* window) const;
    QPoint BoxPosition(const LMessageBoxRequest& request, const QSize& size);

    std::map<const LWindow*, QPointer<LQtWindow>> windows;
    std::map<const LWindow*, QEventLoop*> loops;
    std::vector<LQtMessageBox*> boxes;
    std::unique_ptr<LQtBubbleTip> tip;
    LQtTimers timers;
    std::unique_ptr<QObject> quitWatch;
};
