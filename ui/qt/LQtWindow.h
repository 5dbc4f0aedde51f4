#pragma once

#include "LControl.h"
#include "LUIHost.h"

#include <QPointer>
#include <QWidget>

#include <map>

class LWindow;

// The Qt window of one top-level window of the model: a widget for every control of the window and
// of its pages, at the control's rectangle, kept in step with the model. Keys and the close control
// go to the model (Return, Escape, close request), which decides.
class LQtWindow : public QWidget {
public:
    LQtWindow(LWindow& model, QWidget* parent, LWindowForm form);

    LWindow& Model() const { return model; }
    LWindowForm Form() const { return form; }

    // Brings every widget up to date, making and removing widgets as controls come and go.
    void Sync();
    // One control of owner (the window or one of its pages) changed.
    void SyncControl(LWindow& owner, const LControl& control);
    // The widget of control, or null.
    QWidget* WidgetFor(const LControl& control) const;
    // The widget under id as the user reaches it: on a shown page first, then the window.
    QWidget* WidgetFor(int id) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Entry {
        LWindow* owner;
        LControlKind kind;
        QPointer<QWidget> widget;
    };

    void SyncFrame();
    void SyncTabOrder();
    void SyncOwner(LWindow& owner, bool ownerShown, std::map<const LControl*, Entry>& kept);
    QWidget* Widget(LWindow& owner, const LControl& control);
    void ApplyWithin(LWindow& owner, const LControl& control);
    void SyncAfterInput(LWindow& owner, int id);
    bool IsShownOwner(const LWindow& owner) const;

    LWindow& model;
    LWindowForm form;
    std::map<const LControl*, Entry> widgets;
};
