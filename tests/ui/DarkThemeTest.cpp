#include "WindowFixture.h"
#include "help/Links.h"
#include "help/SupportEmail.h"
#include "ui/about/AboutWindow.h"
#include "ui/common/Contrast.h"

#include <QApplication>
#include <QPushButton>

namespace {

// A dark theme as a desktop hands it over; its link colour alone reads poorly on the base.
QPalette darkTheme()
{
    QPalette dark;
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::Window, QColor(0x35, 0x35, 0x35)},     {QPalette::WindowText, QColor(0xef, 0xf0, 0xf1)},
        {QPalette::Base, QColor(0x23, 0x26, 0x29)},       {QPalette::AlternateBase, QColor(0x35, 0x35, 0x35)},
        {QPalette::Text, QColor(0xef, 0xf0, 0xf1)},       {QPalette::Button, QColor(0x31, 0x36, 0x3b)},
        {QPalette::ButtonText, QColor(0xef, 0xf0, 0xf1)}, {QPalette::Link, QColor(0x2a, 0x82, 0xda)},
        {QPalette::Highlight, QColor(0x3d, 0xae, 0xe9)},  {QPalette::HighlightedText, QColor(0xef, 0xf0, 0xf1)}};
    for (const auto& [role, colour] : roles)
        dark.setColor(role, colour);
    return dark;
}

// The theme is dark before the windows are built, as when the program starts under it.
struct StartsUnderADarkTheme
{
    StartsUnderADarkTheme() { QApplication::setPalette(darkTheme()); }
    ~StartsUnderADarkTheme() { QApplication::setPalette(lightTheme); }
    const QPalette lightTheme = QApplication::palette();
};

class DarkThemeTest : public StartsUnderADarkTheme, public WindowFixture
{
protected:
    // The colour behind a control: the nearest one, itself included, that paints its background.
    static QColor background(const QWidget* control)
    {
        for (const QWidget* w = control; w != nullptr; w = w->parentWidget())
            if (w->autoFillBackground() || w->isWindow())
                return w->palette().color(w->backgroundRole());
        return {};
    }
    // Buttons and lists draw their text on their own face; labels and options on what is behind.
    static std::pair<QColor, QColor> textColours(const QWidget* control)
    {
        const QPalette& p = control->palette();
        if (qobject_cast<const QPushButton*>(control) || qobject_cast<const QComboBox*>(control))
            return {p.color(QPalette::ButtonText), p.color(QPalette::Button)};
        if (qobject_cast<const QLineEdit*>(control))
            return {p.color(QPalette::Text), p.color(QPalette::Base)};
        return {p.color(control->foregroundRole()), background(control)};
    }
    static void expectReadable(QWidget& window)
    {
        for (QWidget* control : window.findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(control);
            const bool hasText = (label && !label->text().isEmpty()) || qobject_cast<QAbstractButton*>(control) ||
                                 qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control);
            if (!hasText || !control->isEnabled() || control->objectName().isEmpty())
                continue;
            const auto [text, behind] = textColours(control);
            EXPECT_GE(Contrast::ratio(text, behind), Contrast::ForText)
                << window.objectName().toStdString() << " " << control->objectName().toStdString() << " "
                << text.name().toStdString() << " on " << behind.name().toStdString();
        }
    }
};

TEST_F(DarkThemeTest, EveryWindowsTextReadsAtFourAndAHalfToOneUnderADarkTheme)
{
    EXPECT_DOUBLE_EQ(Contrast::ratio(Qt::black, Qt::white), 21.0);
    typeWage(simple(), "3600000", Qt::Key_Return);
    tick();
    Links links{shell, "/opt"};
    SupportEmail support{shell, facts};
    AboutWindow about{prompt, links, support};
    QWidget* windows[] = {&simple(), &advanced(), &host.options(), &host.historyWindow(), &about};
    // Built under the dark theme, then the user switches to the light one and back.
    for (const QPalette& theme : {darkTheme(), lightTheme, darkTheme()}) {
        QApplication::setPalette(theme);
        for (QWidget* window : windows)
            expectReadable(*window);
    }
}

} // namespace
