#include "LQtHost.h"

#include "LCommand.h"
#include "LPlacement.h"
#include "LQtBubbleTip.h"
#include "LQtEventPump.h"
#include "LQtFileChooser.h"
#include "LQtGeometry.h"
#include "LQtMessageBox.h"
#include "LQtWindow.h"
#include "LWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QMenuBar>
#include <QScreen>
#include <QUrl>

namespace {

// The window that holds a page, or the window itself.
const LWindow* TopOf(const LWindow* window) {
    while (window != nullptr && window->Container() != nullptr) {
        window = window->Container();
    }
    return window;
}

}  // namespace

LQtHost::LQtHost() : quitWatch(std::make_unique<QObject>()) {
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, quitWatch.get(), LQtSetQuitting);
}

LQtHost::~LQtHost() {
    for (auto& [model, window] : windows) {
        delete window.data();
    }
}

LRect LQtHost::ScreenArea(const LWindow* parent) {
    const QWidget* widget = WidgetOf(TopOf(parent));
    const QScreen* screen = widget != nullptr ? widget->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? LQtFromRect(screen->availableGeometry()) : LRect{0, 0, 1024, 768};
}

bool LQtHost::CanAttachSheet(const LWindow& parent) {
    const QWidget* widget = WidgetOf(TopOf(&parent));
    return widget != nullptr && widget->isVisible() && !widget->isMinimized();
}

bool LQtHost::CreateWindow(LWindow& window, LWindow* parent, LWindowForm form) {
    // A window opened again without being destroyed starts afresh.
    DestroyWindow(window);
    auto* created = new LQtWindow(window, WidgetOf(TopOf(parent)), form);
    windows[&window] = created;
    created->Sync();
    return true;
}

void LQtHost::WindowChanged(LWindow& window) {
    if (LQtWindow* shown = Window(window); shown != nullptr) {
        shown->Sync();
    }
}

void LQtHost::ControlChanged(LWindow& owner, const LControl& control) {
    if (LQtWindow* shown = Window(*TopOf(&owner)); shown != nullptr) {
        shown->SyncControl(owner, control);
    }
}

void LQtHost::ShowWindow(LWindow& window, bool show) {
    LQtWindow* shown = Window(window);
    if (shown == nullptr) {
        return;
    }
    if (!show) {
        shown->hide();
        return;
    }
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void LQtHost::BringToFront(LWindow& window) {
    if (LQtWindow* shown = Window(window); shown != nullptr && shown->isVisible()) {
        shown->raise();
        shown->activateWindow();
    }
}

void LQtHost::SetFocus(LWindow& owner, const LControl& control) {
    if (LQtWindow* shown = Window(*TopOf(&owner)); shown != nullptr) {
        if (QWidget* widget = shown->WidgetFor(control); widget != nullptr) {
            widget->setFocus(Qt::OtherFocusReason);
        }
    }
}

void LQtHost::RunModalLoop(LWindow& window) {
    QEventLoop loop;
    loops[&window] = &loop;
    while (!window.IsEnded()) {
        loop.exec(QEventLoop::DialogExec);
        if (!window.IsEnded()) {
            // Only the application's end stops the loop early: the window is closed as Cancel, and
            // ends even when its dialog would refuse.
            LQtSetQuitting();
            window.UserRequestClose();
            window.Close(kLCommandCancel);
        }
    }
    loops.erase(&window);
}

void LQtHost::EndModalLoop(LWindow& window) {
    if (auto found = loops.find(&window); found != loops.end()) {
        found->second->quit();
    }
}

void LQtHost::DestroyWindow(LWindow& window) {
    timers.KillAll(window);
    auto found = windows.find(&window);
    if (found == windows.end()) {
        return;
    }
    LQtWindow* shown = found->second.data();
    windows.erase(found);
    if (tip != nullptr && shown != nullptr && tip->Anchor() != nullptr &&
        tip->Anchor()->window() == shown) {
        tip->hide();
    }
    delete shown;
}

void LQtHost::BeginModalState(LWindow& window) {
    LQtWindow* shown = Window(window);
    if (shown == nullptr || shown->isModal()) {
        return;
    }
    // Qt takes a new modality when a window is shown: show it again as application-modal.
    const bool wasShown = shown->isVisible();
    const QRect geometry = shown->geometry();
    shown->hide();
    shown->setWindowModality(Qt::ApplicationModal);
    if (wasShown) {
        shown->setGeometry(geometry);
        shown->show();
        shown->raise();
        shown->activateWindow();
    }
}

void LQtHost::EndModalState(LWindow& window) {
    LQtWindow* shown = Window(window);
    // A shown window stays modal until it is hidden, which its disposal does right after:
    // showing it again without the modality would only make it flash.
    if (shown != nullptr && shown->Form() == LWindowForm::Modeless && !shown->isVisible()) {
        shown->setWindowModality(Qt::NonModal);
    }
}

void LQtHost::ShowBubbleTip(LWindow& owner, const LControl& control, const std::string& text,
                            const std::string& title) {
    LQtWindow* shown = Window(*TopOf(&owner));
    QWidget* widget = shown != nullptr ? shown->WidgetFor(control) : nullptr;
    if (widget == nullptr) {
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (tip == nullptr) {
        tip = std::make_unique<LQtBubbleTip>();
    }
    tip->Show(*widget, text, title, ScreenArea(&owner));
}

void LQtHost::SetMenuBarEnabled(bool enabled) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
            bar->setEnabled(enabled);
        }
    }
}

bool LQtHost::PumpEvents() {
    return LQtPumpEvents();
}

LUIWaitResult LQtHost::WaitForEvent(unsigned int ms, int wakeFd) {
    return LQtWaitForEvent(ms, wakeFd);
}

void LQtHost::SetTimer(LWindow& window, int id, unsigned int ms) {
    timers.Set(window, id, ms);
}

void LQtHost::KillTimer(LWindow& window, int id) {
    timers.Kill(window, id);
}

LMessageBoxAnswer LQtHost::ShowMessageBox(const LMessageBoxRequest& request) {
    LQtMessageBox box(request, WidgetOf(TopOf(request.parent)));
    boxes.push_back(&box);
    const LMessageBoxAnswer answer = box.Ask(BoxPosition(request, box.size()));
    boxes.pop_back();
    return answer;
}

bool LQtHost::ShowChooser(const LChooserRequest& request, LChooserAnswer& answer) {
    QFileDialog dialog(WidgetOf(TopOf(request.parent)));
    LQtSetUpFileDialog(dialog, request);
    dialog.setWindowModality(request.sheet ? Qt::WindowModal : Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    answer = LQtChooserAnswer(dialog, request);
    return !answer.paths.empty();
}

void LQtHost::SetClipboardText(const std::string& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard(); clipboard != nullptr) {
        clipboard->setText(LQtString(text));
    }
}

void LQtHost::OpenURL(const std::string& url) {
    // Help pages come as "file://" and a plain path: a '%' or '#' in the path is part of the
    // name, not an escape or a fragment.
    static const std::string kFileScheme = "file://";
    if (url.compare(0, kFileScheme.size(), kFileScheme) == 0) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(
            QFile::decodeName(QByteArray::fromStdString(url.substr(kFileScheme.size())))));
        return;
    }
    QDesktopServices::openUrl(QUrl(LQtString(url), QUrl::TolerantMode));
}

LQtWindow* LQtHost::Window(const LWindow& window) const {
    auto found = windows.find(&window);
    return found != windows.end() ? found->second.data() : nullptr;
}

QWidget* LQtHost::Widget(const LWindow& window, int id) const {
    LQtWindow* shown = Window(window);
    return shown != nullptr ? shown->WidgetFor(id) : nullptr;
}

LQtMessageBox* LQtHost::MessageBox() const {
    return boxes.empty() ? nullptr : boxes.back();
}

QWidget* LQtHost::WidgetOf(const LWindow* window) const {
    return window != nullptr ? Window(*window) : nullptr;
}

QPoint LQtHost::BoxPosition(const LMessageBoxRequest& request, const QSize& size) {
    QWidget* parent = WidgetOf(TopOf(request.parent));
    if (request.sheet && parent != nullptr) {
        // A sheet is a window-modal dialog here, centred on its parent as such dialogs are.
        QRect placed(QPoint(), size);
        placed.moveCenter(parent->geometry().center());
        return placed.topLeft();
    }
    const LRect screen = ScreenArea(request.centreOnParent ? request.parent : nullptr);
    const LRect placed = request.centreOnParent ? LPlaceCentred(screen, size.width(), size.height())
                                                : LPlaceDialog(screen, size.width(), size.height());
    return {placed.x, placed.y};
}
