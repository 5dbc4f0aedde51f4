#pragma once

#include "LControl.h"

#include <QWidget>

#include <functional>

class LWindow;

// Makes the widget that shows control (of owner, the window or page that declared it) as a child of
// parent, and hands what the user does on it to owner's User* operations. After each input,
// inputDone runs, so the window can put the model's answer back on the widgets.
QWidget* LQtMakeControlWidget(const LControl& control, LWindow& owner, QWidget* parent,
                              std::function<void()> inputDone);

// Puts the model's state of control on its widget: rectangle (a height of 0 takes the widget's own,
// up to its maximum), text, items, value, font, colour, help tag, and whether it is shown and
// enabled (given, since a group box's state reaches the controls inside it). Never reports anything
// back as user input.
void LQtApplyControl(QWidget& widget, const LControl& control, bool shown, bool enabled);
