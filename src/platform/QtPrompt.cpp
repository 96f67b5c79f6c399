#include "platform/QtPrompt.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QMessageBox::Icon iconFor(Message::Icon icon)
{
    switch (icon) {
    case Message::Icon::Critical:
        return QMessageBox::Critical;
    case Message::Icon::Question:
        return QMessageBox::Question;
    case Message::Icon::Exclamation:
        return QMessageBox::Warning;
    case Message::Icon::Information:
        return QMessageBox::Information;
    case Message::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsFor(Message::Buttons buttons)
{
    switch (buttons) {
    case Message::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Message::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Message::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}
} // namespace

Answer QtPrompt::ask(const Message& message)
{
    QWidget* owner = QApplication::activeWindow();
    QMessageBox box(iconFor(message.icon), QString::fromStdString(message.caption),
                    QString::fromStdString(message.text), buttonsFor(message.buttons), owner);
    // Modal to the window it stands over only, so that an XEMBED tray icon,
    // a window of its own, still opens its menu.
    box.setWindowModality(Qt::WindowModal);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        // Closing a Yes/No/Cancel box with Escape or its close box means Cancel.
        return message.buttons == Message::Buttons::Ok      ? Answer::Ok
               : message.buttons == Message::Buttons::YesNo ? Answer::No
                                                            : Answer::Cancel;
    }
}
