#pragma once

#include <QKeyEvent>

// A key pressed without Ctrl, Alt, Shift or Meta. The keypad's Enter comes with
// the keypad modifier and is as plain as Return.
inline bool isPlainKey(const QKeyEvent& event)
{
    return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
