#include "WindowFixture.h"

#include "engine/Formats.h"
#include "engine/RowName.h"
#include "ui/common/LocalNumbers.h"

#include <QDoubleSpinBox>

namespace {

// What a wage box shows once left: the typed text read the locale's way, then leniently. Under C and
// English the lenient rules are untouched; digits of any script count everywhere.
TEST(LocalNumbers, ReadsWhatIsTypedTheLocalesWay)
{
    using Row = std::tuple<const char*, const char*, std::string>;
    const auto rows = Rows(
        Row{"C", "22,50", "22.00"}, Row{"C", "1,234.50", "1.00"}, Row{"C", "12.5/hr", "12.50"},
        Row{"C", " 1 2", "12.00"}, Row{"C", "$12", "0.00"}, Row{"C", "1e3", "1000.00"}, Row{"C", "１２３", "123.00"},
        Row{"C", "١٢٣", "123.00"}, Row{"C", "１２．５", "12.50"}, Row{"en_US", "1,234.50", "1.00"},
        Row{"en_US", "7,50", "7.00"}, Row{"en_US", "٣.٥", "3.50"}, Row{"de_DE", "22,50", "22,50"},
        Row{"de_DE", "1.234,50", "1234,50"}, Row{"de_DE", "22.50", "22,50"}, Row{"de_DE", "1.250", "1250,00"},
        Row{"de_DE", "1.234.567,891", "1234567,89"}, Row{"de_DE", "7,5/Std.", "7,50"}, Row{"de_DE", "-3", "-3,00"},
        Row{"de_DE", "abc", "0,00"}, Row{"de_DE", "١٢,٥", "12,50"}, Row{"fr_FR", "1\u202F234,50", "1234,50"},
        Row{"fr_FR", "1\u00A0234,5", "1234,50"}, Row{"fr_FR", "1 234,5", "1234,50"}, Row{"fr_FR", "0,5", "0,50"},
        Row{"zh_CN", "１２．５", "12.50"}, Row{"zh_CN", "1,234.50", "1.00"}, Row{"zh_CN", "22.5", "22.50"});
    for (const auto& [locale, typed, shown] : rows) {
        const QLocale where(QString::fromLatin1(locale));
        const std::string read = LocalNumbers::toEngineText(QString::fromUtf8(typed), where);
        EXPECT_EQ(LocalNumbers::toShownText(FormatWageEntry(read), where).toStdString(), shown)
            << locale << " " << typed;
    }
}

class GermanDesktop : public WindowFixture
{
protected:
    GermanDesktop() : WindowFixture(QLocale(QLocale::German, QLocale::Germany)) {}
};

// The run, the remembered wage and the files keep the point; the boxes speak German.
TEST_F(GermanDesktop, WageBoxesOptionsAndTheWorkingWeekReadAndShowCommas)
{
    typeWage(simple(), "22,50", Qt::Key_Return);
    EXPECT_EQ(wageText(simple()) + " " + rate() + " " + host.runTimer().rememberedWage().mainEntry, "22,50 22.5 22.50");

    OptionsDialog& options = host.options();
    EXPECT_EQ(control<QLineEdit>(options, "txtMinWage").text().toStdString(), "6,75");
    control<QLineEdit>(options, "txtMinWage").setText(QStringLiteral("7,25"));
    control<QAbstractButton>(options, "cmdSave").click();
    EXPECT_EQ(file("Config.ewg"), "\"v2.5\",7.25,45.5,0,0,-1\r\n");

    PreferencesDialog& preferences = host.preferencesDialog();
    control<QDoubleSpinBox>(preferences, "spnHoursPerDay").setValue(7.5);
    EXPECT_EQ(control<QDoubleSpinBox>(preferences, "spnHoursPerDay").text().toStdString(), "7,50");
    control<QAbstractButton>(preferences, "cmdSave").click();
    EXPECT_NE(file("Earnmeter.conf").find("hours_per_day = 7.5\n"), std::string::npos);
    switchMode();
    EXPECT_EQ(control<QComboBox>(advanced(), "cboPeriod").toolTip().toStdString(),
              "Earnmeter assumes 7,5 hours/day and 5 days/week.");
    EXPECT_EQ(label(advanced(), "lblCurrent"), "22,50") << "the current wage as the box writes it";
}

} // namespace
