#include "ui/common/EngineWords.h"

#include "ui/common/LocalNumbers.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// Listed here so that the translators' tools find them; the engine stays free of Qt.
[[maybe_unused]] constexpr const char* Texts[] = {
    QT_TRANSLATE_NOOP("Engine", "Do you want to reset the timer to zero?"),
    QT_TRANSLATE_NOOP("Engine", "Reset Earnmeter"),
    //: The main window's caption while paused.
    QT_TRANSLATE_NOOP("Engine", "PAUSED (Earnmeter)"),
    //: The advanced window's caption while paused.
    QT_TRANSLATE_NOOP("Engine", "Earnmeter (PAUSED)"),
    //: %1 is what was typed, %2 the largest amount.
    QT_TRANSLATE_NOOP("Engine", "The wage \"%1\" is too large to count with. Enter an amount of at most %2; the "
                                "previous wage stays in force."),
    //: %1 is what was typed, %2 the largest amount, %3 the pay period it is paid for.
    QT_TRANSLATE_NOOP("Engine", "The wage \"%1\" is too large to count with. Enter an amount of at most %2 (%3); "
                                "the previous wage stays in force."),
};

// In the order of PayPeriod.
constexpr const char* PeriodNames[] = {
    QT_TRANSLATE_NOOP("PayPeriod", "Hourly"),    QT_TRANSLATE_NOOP("PayPeriod", "Weekly"),
    QT_TRANSLATE_NOOP("PayPeriod", "Bi-Weekly"), QT_TRANSLATE_NOOP("PayPeriod", "Semi-Monthly"),
    QT_TRANSLATE_NOOP("PayPeriod", "Monthly"),   QT_TRANSLATE_NOOP("PayPeriod", "Annually"),
};

QString shownValue(const std::string& value, const QLocale& locale)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9][0-9,]*(\\.[0-9]+)?$"));
    const QString text = QString::fromStdString(value);
    if (number.match(text).hasMatch())
        return LocalNumbers::toShownGrouped(text, locale);
    for (std::size_t i = 0; i < std::size(PeriodNames); ++i)
        if (value == PeriodNames[i])
            return payPeriodName(static_cast<PayPeriod>(i));
    return text;
}

} // namespace

QString engineWords(const std::string& english)
{
    return QCoreApplication::translate("Engine", english.c_str());
}

QString engineWords(const Message& message, const QLocale& locale)
{
    Message shown = message;
    shown.text = engineWords(message.text).toStdString();
    for (std::string& value : shown.values)
        value = shownValue(value, locale).toStdString();
    return QString::fromStdString(filledText(shown));
}

QString payPeriodName(PayPeriod period)
{
    return QCoreApplication::translate("PayPeriod", PeriodNames[static_cast<std::size_t>(period)]);
}
