#include "LQtEventPump.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>

namespace {

bool quitting = false;

QAbstractEventDispatcher* Dispatcher() {
    return QAbstractEventDispatcher::instance();
}

}  // namespace

bool LQtPumpEvents() {
    QAbstractEventDispatcher* dispatcher = Dispatcher();
    if (dispatcher == nullptr) {
        return false;
    }
    const bool first = dispatcher->processEvents(QEventLoop::AllEvents);
    const bool second = dispatcher->processEvents(QEventLoop::AllEvents);
    return first || second;
}

LUIWaitResult LQtWaitForEvent(unsigned int ms, int wakeFd) {
    QAbstractEventDispatcher* dispatcher = Dispatcher();
    if (dispatcher == nullptr || LQtIsQuitting()) {
        return LUIWaitResult::Quitting;
    }
    bool ready = false;
    bool timedOut = false;
    QSocketNotifier notifier(QSocketNotifier::Read);
    if (wakeFd >= 0) {
        notifier.setSocket(wakeFd);
        notifier.setEnabled(true);
        // Level-triggered: one report is enough, the caller looks at the descriptor itself.
        QObject::connect(&notifier, &QSocketNotifier::activated, [&ready, &notifier] {
            ready = true;
            notifier.setEnabled(false);
        });
    }
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&timedOut] { timedOut = true; });
    if (ms == 0) {
        const bool dispatched = dispatcher->processEvents(QEventLoop::AllEvents);
        return ready ? LUIWaitResult::Ready
                     : (dispatched ? LUIWaitResult::Event : LUIWaitResult::TimedOut);
    }
    if (ms != 0xFFFFFFFFu) {
        timer.start(static_cast<int>(std::min(ms, 0x7FFFFFFFu)));
    }
    dispatcher->processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    if (ready) {
        return LUIWaitResult::Ready;
    }
    if (LQtIsQuitting()) {
        return LUIWaitResult::Quitting;
    }
    return timedOut ? LUIWaitResult::TimedOut : LUIWaitResult::Event;
}

bool LQtIsQuitting() {
    return quitting || QCoreApplication::closingDown();
}

void LQtSetQuitting() {
    quitting = true;
}
