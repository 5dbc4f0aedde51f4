#include "LProcessRunAsDialog.h"
#include "LProgressLayouts.h"
#include "LQtWindow.h"
#include "QtHostTest.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <thread>

// What a process saw of its own progress window while it ran.
struct WindowProbe {
    LQtHost* host = nullptr;
    bool clickCancel = true;
    int stopQueriesAfterClick = 0;
    bool applicationModal = false;
    std::string line0;
    std::string line1;
    int percent = -1;
    bool busy = false;
    bool cancelEnabledAfter = true;
    std::string cancelTitle;
    QRect barGeometry;
};

LProcessResult Process(LProcessInterface& process, WindowProbe& probe) {
    auto& window = dynamic_cast<LWindow&>(process);
    LQtWindow* shown = probe.host->Window(window);
    if (shown == nullptr) {
        return LProcessResultFailed;
    }
    process.SetStatus("Encrypting...", 0);
    process.SetStatus("notes.txt", 1);
    process.SetProgressIndeterminateOn();
    probe.busy =
        dynamic_cast<QProgressBar*>(probe.host->Widget(window, kLProgressBar))->maximum() == 0;
    process.SetProgress(0.999);
    probe.applicationModal = shown->isVisible() && shown->isModal();
    probe.line0 =
        dynamic_cast<QLabel*>(probe.host->Widget(window, kLProgressStatus0))->text().toStdString();
    probe.line1 =
        dynamic_cast<QLabel*>(probe.host->Widget(window, kLProgressStatus1))->text().toStdString();
    auto* bar = dynamic_cast<QProgressBar*>(probe.host->Widget(window, kLProgressBar));
    probe.percent = bar->value();
    probe.barGeometry = bar->geometry();
    auto* cancel = dynamic_cast<QPushButton*>(probe.host->Widget(window, kLProgressCancel));
    probe.cancelTitle = cancel->text().toStdString();
    if (!probe.clickCancel) {
        return LProcessResultSuccess;
    }
    // The click waits in the queue until the process lets events run.
    QtHostTest::PostClick(cancel);
    for (int query = 1; query <= 1000; ++query) {
        if (process.IsToStop()) {
            probe.stopQueriesAfterClick = query;
            probe.cancelEnabledAfter = cancel->isEnabled();
            return LProcessResultStopped;
        }
    }
    return LProcessResultSuccess;
}

// A process that waits for ever, until a queued Cancel click ends the wait.
struct WaitProbe {
    LQtHost* host = nullptr;
    LProcessResult waited = LProcessResultSuccess;
};

LProcessResult Process(LProcessInterface& process, WaitProbe& probe) {
    auto& window = dynamic_cast<LWindow&>(process);
    QtHostTest::PostClick(probe.host->Widget(window, kLProgressCancel));
    probe.waited = process.ProcessWait(0xFFFFFFFFu);
    return probe.waited;
}

// A process that waits for a signal another thread sets.
struct SignalProbe {
    LProcessResult waited = LProcessResultFailed;
};

LProcessResult Process(LProcessInterface& process, SignalProbe& probe) {
    LSignalObject signal;
    std::thread setter([&signal] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        signal.Set();
    });
    probe.waited = process.ProcessWaitSignal(signal.Ref(), 5000);
    setter.join();
    return probe.waited;
}

class ProgressWindow : public QtHostTest {};

TEST_F(ProgressWindow, AQueuedCancelClickIsSeenAtTheNextStopQuery) {
    WindowProbe probe;
    probe.host = &host;
    EXPECT_EQ(ProcessRunAsDialog(nullptr, "Encrypting files", probe), LProcessResultStopped);
    EXPECT_EQ(probe.stopQueriesAfterClick, 1);
    EXPECT_FALSE(probe.cancelEnabledAfter);
    EXPECT_TRUE(probe.applicationModal);
    EXPECT_TRUE(probe.busy);
    EXPECT_EQ(probe.line0, "Encrypting...");
    EXPECT_EQ(probe.line1, "notes.txt");
    EXPECT_EQ(probe.percent, 99);
    EXPECT_EQ(probe.cancelTitle, "Cancel");
    EXPECT_GT(probe.barGeometry.height(), 0);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_EQ(dynamic_cast<LQtWindow*>(window), nullptr) << "the window is gone";
    }
}

TEST_F(ProgressWindow, ARunThatIsNotCancelledSucceedsAndTheWindowGoes) {
    WindowProbe probe;
    probe.host = &host;
    probe.clickCancel = false;
    EXPECT_EQ(ProcessRunAsDialog(nullptr, "Decrypting files", probe), LProcessResultSuccess);
    EXPECT_TRUE(probe.applicationModal);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_EQ(dynamic_cast<LQtWindow*>(window), nullptr);
    }
}

TEST_F(ProgressWindow, WaitsStayResponsiveAndWakeForSignals) {
    WaitProbe wait;
    wait.host = &host;
    EXPECT_EQ(ProcessRunAsDialog(nullptr, "Sending Email", wait), LProcessResultStopped);
    SignalProbe signal;
    EXPECT_EQ(ProcessRunAsDialog(nullptr, "Sending Email", signal), LProcessResultSuccess);
}

// Where a progress window with a shown parent went.
struct SheetProbe {
    LQtHost* host = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    QRect geometry;
};

LProcessResult Process(LProcessInterface& process, SheetProbe& probe) {
    LQtWindow* shown = probe.host->Window(dynamic_cast<LWindow&>(process));
    probe.modality = shown->windowModality();
    probe.geometry = shown->geometry();
    return LProcessResultSuccess;
}

namespace {

void NoControls(LWindow&, int, int, bool) {}

}  // namespace

TEST_F(ProgressWindow, OnAShownParentItIsASheetModalToTheParent) {
    LDialog parent(LDialogTemplate{500, 300, "Parent", 0, NoControls});
    ASSERT_TRUE(parent.Open(nullptr, LWindowForm::Modal));
    SheetProbe probe;
    probe.host = &host;
    EXPECT_EQ(ProcessRunAsDialog(&parent, "Encrypting files", probe), LProcessResultSuccess);
    EXPECT_EQ(probe.modality, Qt::WindowModal);
    const QRect owner = host.Window(parent)->geometry();
    EXPECT_NEAR(probe.geometry.center().y(), owner.center().y(), 1);
    EXPECT_NEAR(probe.geometry.center().x(), owner.center().x(), 1);
    parent.Dispose();
}
