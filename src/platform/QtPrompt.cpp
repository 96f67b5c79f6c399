#include "platform/QtPrompt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <iterator>
#include <vector>

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
    case Message::Buttons::Choices:
        break;
    }
    return QMessageBox::Ok;
}

// The message's own buttons; the first is the default and what Escape means.
Answer askWithChoices(QMessageBox& box, const Message& message)
{
    box.setStandardButtons(QMessageBox::NoButton);
    std::vector<QPushButton*> buttons;
    for (const std::string& choice : message.choices)
        buttons.push_back(box.addButton(QString::fromStdString(choice), QMessageBox::ActionRole));
    if (buttons.empty())
        return Answer::Ok;
    box.setDefaultButton(buttons.front());
    box.setEscapeButton(buttons.front());
    box.exec();
    const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    constexpr Answer answers[] = {Answer::Ok, Answer::Second, Answer::Third};
    const auto index = static_cast<std::size_t>(chosen - buttons.begin());
    return chosen == buttons.end() || index >= std::size(answers) ? Answer::Ok : answers[index];
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
    if (message.buttons == Message::Buttons::Choices)
        return askWithChoices(box, message);
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
