#pragma once

#include "LMessageBoxRequest.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

// A message box: the icon, the caption in bold as the main text, the message below it, an optional
// tick box and the buttons in a row at the bottom right, the default button rightmost. Return
// presses the default button; Escape and the close control press the cancel button (or the only
// button) and do nothing when there is neither.
class LQtMessageBox : public QDialog {
public:
    LQtMessageBox(const LMessageBoxRequest& request, QWidget* parent);

    // Runs the box modally (to parent alone for a sheet) at position and returns the user's answer.
    LMessageBoxAnswer Ask(const QPoint& position);

    const std::vector<QPushButton*>& Buttons() const { return buttons; }
    QCheckBox* Tick() const { return tick; }

    void reject() override;

private:
    void AddIcon(LMessageBoxIcon icon, QHBoxLayout& row);
    void AddButtons(QVBoxLayout& column);

    LMessageBoxRequest request;
    std::vector<QPushButton*> buttons;
    QCheckBox* tick = nullptr;
    int chosen = -1;
};
