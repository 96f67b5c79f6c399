#include "WindowFixture.h"
#include "ui/history/HistoryWindow.h"

#include <QAccessible>

namespace {

using AccessibilityTest = WindowFixture;

// What a screen reader reads: "name [description]".
std::string heard(QWidget& window, const char* name)
{
    const QAccessibleInterface* control = QAccessible::queryAccessibleInterface(&HostWorld::control(window, name));
    return (control->text(QAccessible::Name) + " [" + control->text(QAccessible::Description) + "]").toStdString();
}

TEST_F(AccessibilityTest, EveryControlOfEveryWindowHasASpokenName)
{
    QWidget* windows[] = {&simple(), &advanced(), &host.options(), &host.preferencesDialog(), &host.historyWindow()};
    host.historyWindow().refresh();
    for (QWidget* window : windows) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const bool speaks = qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control) ||
                                qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control);
            if (speaks && !control->objectName().isEmpty() && !control->objectName().startsWith("qt_")) {
                const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
                if (auto* label = qobject_cast<QLabel*>(control))
                    EXPECT_TRUE(name.contains(QString(label->text()).remove('&')))
                        << "a label speaks what it shows: " << name.toStdString();
                else
                    EXPECT_FALSE(name.isEmpty()) << control->objectName().toStdString();
            }
        }
    }
    // The figures say what they are; the period list is named for what it chooses.
    EXPECT_EQ(heard(simple(), "lblTotal"), "$0.00 [Money earned]");
    EXPECT_EQ(heard(advanced(), "lblSeconds"), "00:00:00 [Elapsed time]");
    EXPECT_EQ(heard(advanced(), "lblCurrent"), " [Current hourly wage]");
    EXPECT_EQ(heard(advanced(), "optMinWage"), "Minimum Wage  ($6.75)/hr []");
    EXPECT_EQ(heard(advanced(), "cboPeriod"), "Pay period [Earnmeter assumes 8 hours/day and 5 days/week.]");
}

} // namespace
