#pragma once

#include "LControl.h"

#include <QRect>
#include <QString>

#include <string>

// Points map to pixels one to one: the model's rectangles are the widgets' geometry.
inline QRect LQtRect(const LRect& rect) {
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

inline LRect LQtFromRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// The model's texts are UTF-8.
inline QString LQtString(const std::string& text) {
    return QString::fromStdString(text);
}
