#include "LQtTabControl.h"

#include "LQtGeometry.h"

#include <QSignalBlocker>

namespace {

constexpr int kMargin = 6;

}  // namespace

LQtTabControl::LQtTabControl(QWidget* parent, std::function<void(int index)> selected)
    : QWidget(parent), bar(new QTabBar(this)), pane(new QFrame(this)) {
    bar->setDrawBase(false);
    bar->setExpanding(false);
    pane->setFrameShape(QFrame::StyledPanel);
    pane->lower();
    QObject::connect(bar, &QTabBar::currentChanged, this, std::move(selected));
}

void LQtTabControl::Apply(const LControl& control) {
    const QSignalBlocker quiet(bar);
    while (bar->count() > static_cast<int>(control.items.size())) {
        bar->removeTab(bar->count() - 1);
    }
    for (int index = 0; index < static_cast<int>(control.items.size()); ++index) {
        const QString title = LQtString(control.items[static_cast<size_t>(index)]);
        if (index < bar->count()) {
            bar->setTabText(index, title);
        } else {
            bar->addTab(title);
        }
    }
    if (control.selection >= 0 && control.selection < bar->count()) {
        bar->setCurrentIndex(control.selection);
    }
    Arrange();
}

void LQtTabControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Arrange();
}

void LQtTabControl::Arrange() {
    const QSize tabs = bar->sizeHint();
    bar->setGeometry((width() - tabs.width()) / 2, kMargin, tabs.width(), tabs.height());
    // The pane starts half-way down the tabs, so they sit on its top edge.
    const int paneTop = kMargin + tabs.height() / 2;
    pane->setGeometry(kMargin, paneTop, width() - 2 * kMargin, height() - paneTop);
}
