#include "LScreenshots.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

constexpr int kPollMs = 10;
constexpr int kGiveUpMs = 10000;

bool AllShown(const LScreenshots::Widgets& widgets) {
    if (widgets.empty()) {
        return false;
    }
    for (const QWidget* widget : widgets) {
        if (widget == nullptr || !widget->isVisible()) {
            return false;
        }
    }
    return true;
}

}  // namespace

LScreenshots::LScreenshots(LQtHost& qtHost, std::string outputFolder)
    : host(qtHost), folder(std::move(outputFolder)) {}

void LScreenshots::WhenShown(const std::string& name, std::function<Widgets()> find,
                             std::function<void()> prepare, std::function<void()> close) {
    auto* poll = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    poll->setInterval(kPollMs);
    QObject::connect(poll, &QTimer::timeout,
                     [this, poll, clock, name, find = std::move(find), prepare = std::move(prepare),
                      close = std::move(close)] {
                         const Widgets widgets = find();
                         if (!AllShown(widgets)) {
                             if (clock->elapsed() > kGiveUpMs) {
                                 std::fprintf(stderr, "screenshots: %s never appeared\n",
                                              name.c_str());
                                 std::_Exit(1);
                             }
                             return;
                         }
                         poll->stop();
                         poll->deleteLater();
                         delete clock;
                         if (prepare) {
                             prepare();
                         }
                         // Let layouts and pending updates settle before the picture.
                         QCoreApplication::processEvents();
                         Save(name, widgets);
                         close();
                     });
    poll->start();
}

bool LScreenshots::Save(const std::string& name, const Widgets& widgets) {
    QRect bounds;
    for (const QWidget* widget : widgets) {
        bounds = bounds.united(widget->geometry());
    }
    QImage picture(bounds.size(), QImage::Format_ARGB32);
    picture.fill(QColor(0xE0, 0xE0, 0xE0));
    QPainter painter(&picture);
    for (QWidget* widget : widgets) {
        const QRect place = widget->geometry().translated(-bounds.topLeft());
        painter.drawPixmap(place.topLeft(), widget->grab());
        // An outline where the window frame would be, so overlapping windows stay apart.
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawRect(place.adjusted(0, 0, -1, -1));
    }
    painter.end();
    const std::string path = folder + "/" + name + ".png";
    if (!picture.save(QString::fromStdString(path), "PNG")) {
        std::fprintf(stderr, "screenshots: could not write %s\n", path.c_str());
        ++failures;
        return false;
    }
    saved.push_back(path);
    return true;
}
