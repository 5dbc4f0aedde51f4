#pragma once

#include "LControl.h"

#include <QFrame>
#include <QTabBar>
#include <QWidget>

#include <functional>

// The tab control of a property sheet: the tabs centred at the top and the framed pane the pages
// sit on, filling the control's rectangle.
class LQtTabControl : public QWidget {
public:
    // selected runs when the user picks a tab.
    LQtTabControl(QWidget* parent, std::function<void(int index)> selected);

    void Apply(const LControl& control);
    QTabBar& Bar() { return *bar; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Arrange();

    QTabBar* bar;
    QFrame* pane;
};
