#include "WindowFixture.h"
#include "ui/options/OptionsDialog.h"
#include "ui/preferences/PreferencesDialog.h"
#include "ui/history/HistoryWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>

namespace {

class AccessibilityTest : public WindowFixture
{
protected:
    static QAccessibleInterface* spoken(QWidget& window, const char* name)
    {
        return QAccessible::queryAccessibleInterface(&control(window, name));
    }
    // What a screen reader reads: "name [description]".
    static std::string heard(QWidget& window, const char* name)
    {
        const QAccessibleInterface* control = spoken(window, name);
        return (control->text(QAccessible::Name) + " [" + control->text(QAccessible::Description) + "]").toStdString();
    }
};

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
}

// The figures are heard as they stand, with what they are as the description.
TEST_F(AccessibilityTest, FiguresAreHeardAsShownAndTheOptionsWithTheirRates)
{
    typeWage(simple(), "36", Qt::Key_Return);
    tick(5);
    EXPECT_EQ(heard(simple(), "lblSeconds"), "00:00:05 [Elapsed time]");
    EXPECT_EQ(heard(simple(), "lblTotal"), "$0.05 [Money earned]");
    switchMode();
    tick();
    EXPECT_EQ(heard(advanced(), "lblTotal"), "$0.06 [Money earned]");
    EXPECT_EQ(heard(advanced(), "lblCurrent"), "36.00 [Current hourly wage]");
    EXPECT_EQ(spoken(advanced(), "optMinWage")->text(QAccessible::Name).toStdString(), "Minimum Wage  ($6.75)/hr");
    EXPECT_EQ(spoken(advanced(), "optMaxWage")->text(QAccessible::Name).toStdString(), "DREAM Wage  ($45.50)/hr");
}

// The list is named for what it chooses; its value and text are the entry chosen.
TEST_F(AccessibilityTest, ThePeriodListIsNamedForItsPurposeAndItsValueIsTheCurrentEntry)
{
    switchMode();
    control<QComboBox>(advanced(), "cboPeriod").setCurrentText("Semi-Monthly");
    QAccessibleInterface* periods = spoken(advanced(), "cboPeriod");
    EXPECT_EQ(periods->role(), QAccessible::ComboBox);
    EXPECT_EQ(periods->text(QAccessible::Name).toStdString(), "Pay period");
    EXPECT_EQ(periods->text(QAccessible::Value).toStdString(), "Semi-Monthly");
    ASSERT_NE(periods->textInterface(), nullptr);
    EXPECT_EQ(periods->textInterface()->text(0, -1).toStdString(), "Semi-Monthly");
    ASSERT_EQ(periods->childCount(), 1);
    EXPECT_EQ(periods->child(0)->childCount(), 6) << "the entries to choose from";
}

} // namespace
