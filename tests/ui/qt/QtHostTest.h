#pragma once

#include "LQtHost.h"
#include "LQtWindow.h"
#include "LUIHost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

// One QApplication for the whole test program, on the offscreen platform unless the caller chose
// another.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        application = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { application.reset(); }

private:
    int argc = 1;
    char name[16] = "zel_ui_qt_tests";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> application;
};

inline ::testing::Environment* const qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

// Every test talks to the model through the Qt host, and feeds it input the way the window system
// does: events posted to the widgets, delivered by whatever event loop runs next.
class QtHostTest : public ::testing::Test {
public:
    static void PostText(QWidget* widget, const std::string& text) {
        ASSERT_NE(widget, nullptr);
        for (char c : text) {
            const QString typed(QChar::fromLatin1(c));
            const int key = typed.toUpper().at(0).unicode();
            QCoreApplication::postEvent(
                widget, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, typed));
            QCoreApplication::postEvent(
                widget, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, typed));
        }
    }

    static void PostKey(QWidget* widget, int key) {
        ASSERT_NE(widget, nullptr);
        QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
        QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
    }

    // A press and a release of the left button at point; by default near the left edge, half way
    // down, where a button, a check box's box and a radio button's dot all are.
    static void PostClick(QWidget* widget, QPoint point = QPoint(-1, -1)) {
        ASSERT_NE(widget, nullptr);
        if (point == QPoint(-1, -1)) {
            point = QPoint(std::min(8, widget->width() / 2), widget->height() / 2);
        }
        const QPointF local(point);
        const QPointF global(widget->mapToGlobal(point));
        QCoreApplication::postEvent(
            widget, new QMouseEvent(QEvent::MouseButtonPress, local, global, Qt::LeftButton,
                                    Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(
            widget, new QMouseEvent(QEvent::MouseButtonRelease, local, global, Qt::LeftButton,
                                    Qt::NoButton, Qt::NoModifier));
    }

    // Runs action from the event loop once ready() holds: for windows and boxes that a modal call
    // opens after the test has handed over control.
    static void WhenReady(std::function<bool()> ready, std::function<void()> action) {
        auto* poll = new QTimer;
        poll->setInterval(5);
        QObject::connect(poll, &QTimer::timeout,
                         [poll, ready = std::move(ready), action = std::move(action)] {
                             if (ready()) {
                                 poll->stop();
                                 poll->deleteLater();
                                 action();
                             }
                         });
        poll->start();
    }

    // Lets everything posted so far be delivered.
    static void Deliver() {
        for (int pass = 0; pass < 3; ++pass) {
            QCoreApplication::processEvents();
        }
    }

protected:
    LQtHost host;
    LUIHostScope scope{host};
};
