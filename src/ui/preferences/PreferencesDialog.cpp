#include "ui/preferences/PreferencesDialog.h"

#include "engine/Currency.h"
#include "engine/Prompt.h"
#include "ui/common/LocalNumbers.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The choices of the new-day list, in the order of NewDay.
constexpr NewDay NewDayChoices[] = {NewDay::Ask, NewDay::Continue, NewDay::Zero};
// A working day's times when none is set yet.
constexpr ClockTime DayStart{9 * 60}, DayEnd{17 * 60}, BreakFrom{12 * 60}, BreakTo{12 * 60 + 30};

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QGroupBox* group(QWidget* parent, const char* name, const QString& title)
{
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, const QString& description = {})
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleDescription(description);
    return box;
}

QTimeEdit* timeEdit(QWidget* parent, const char* name, const QString& spoken)
{
    auto* edit = new QTimeEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setDisplayFormat(QStringLiteral("HH:mm"));
    edit->setAccessibleName(spoken);
    return edit;
}

QTime toQTime(ClockTime time)
{
    return QTime(time.minutes / 60, time.minutes % 60);
}

ClockTime fromQTime(const QTime& time)
{
    return ClockTime{time.hour() * 60 + time.minute()};
}

// "From [09:00] to [17:00]" in a row of its own.
QHBoxLayout* span(QWidget* from, QWidget* to)
{
    auto* row = new QHBoxLayout;
    row->addWidget(from);
    row->addWidget(new QLabel(PreferencesDialog::tr("to")));
    row->addWidget(to);
    row->addStretch(1);
    return row;
}

// A spin box in a row of its own, after a caption that gives it its access key.
template <typename Spin>
Spin* spinRow(QFormLayout* form, const char* name, const QString& caption, const QString& spoken)
{
    auto* spin = new Spin(form->parentWidget());
    spin->setObjectName(QString::fromLatin1(name));
    spin->setAccessibleName(spoken);
    auto* label = new QLabel(caption, form->parentWidget());
    label->setBuddy(spin);
    form->addRow(label, spin);
    return spin;
}

} // namespace

PreferencesDialog::PreferencesDialog(const Preferences& current, Prompt& prompt, Save save, const QLocale& numbers,
                                     QWidget* parent)
    : QDialog(parent), m_current(current), m_prompt(prompt), m_save(std::move(save))
{
    setLocale(numbers);
    setObjectName(QStringLiteral("frmPreferences"));
    setWindowTitle(tr("Earnmeter Preferences"));
    auto* column = new QVBoxLayout(this);
    createWageAndDay(column);
    createWorkingDay(column);
    createWorkingWeek(column);
    createAway(column);
    createMoney(column);
    column->addStretch(1);
    createButtons(column);
    column->setSizeConstraint(QLayout::SetFixedSize);
    show(m_current);
}

void PreferencesDialog::createWageAndDay(QVBoxLayout* column)
{
    QGroupBox* box = group(this, "fraWageAndDay", tr("Wage and day"));
    auto* form = new QFormLayout(box);
    m_rememberWage = checkBox(box, "chkRememberWage", tr("&Remember the wage from one run to the next"),
                              tr("At exit the wage boxes are kept, and the next start fills them in again."));
    form->addRow(m_rememberWage);
    m_newDay = new QComboBox(box);
    m_newDay->setObjectName(QStringLiteral("cboNewDay"));
    m_newDay->addItems({tr("Ask whether to continue with it"), tr("Continue without asking"), tr("Start from zero")});
    m_newDay->setAccessibleName(tr("A count from an earlier day"));
    m_newDay->setAccessibleDescription(tr("What start-up does with an elapsed time saved on an earlier day."));
    auto* caption = new QLabel(tr("A count from an &earlier day:"), box);
    caption->setBuddy(m_newDay);
    form->addRow(caption, m_newDay);
    column->addWidget(box);
}

void PreferencesDialog::createWorkingDay(QVBoxLayout* column)
{
    QGroupBox* box = group(this, "fraWorkingDay", tr("Working day"));
    auto* form = new QFormLayout(box);
    createDayTimes(form);
    m_autoStart = checkBox(box, "chkAutoStart", tr("&Start the meter when the working day begins"),
                           tr("Otherwise a notification offers to start it."));
    m_autoPause = checkBox(box, "chkAutoPause", tr("Pa&use it for the break and at the day's end"),
                           tr("Otherwise a notification says the meter is still counting."));
    m_startAtLogin = checkBox(box, "chkStartAtLogin", tr("Start Earnmeter when I &log in"));
    m_notifications = checkBox(box, "chkNotifications", tr("Show &notifications"),
                               tr("At the working day's edges and when the daily goal is reached."));
    for (QCheckBox* check : {m_autoStart, m_autoPause, m_startAtLogin})
        form->addRow(check);
    m_goal = new QLineEdit(box);
    m_goal->setObjectName(QStringLiteral("txtGoal"));
    m_goal->setPlaceholderText(tr("none"));
    m_goal->setAccessibleName(tr("Daily goal in dollars"));
    m_goal->setAccessibleDescription(tr("Empty for none."));
    m_goalCaption = new QLabel(tr("Daily &goal: $"), box);
    auto* goalCaption = m_goalCaption;
    goalCaption->setBuddy(m_goal);
    form->addRow(goalCaption, m_goal);
    form->addRow(m_notifications);
    column->addWidget(box);
}

void PreferencesDialog::createDayTimes(QFormLayout* form)
{
    QWidget* box = form->parentWidget();
    m_workingDay = checkBox(box, "chkWorkingDay", tr("Follow a &working day from"));
    m_start = timeEdit(box, "tmeWorkStart", tr("The working day begins at"));
    m_end = timeEdit(box, "tmeWorkEnd", tr("The working day ends at"));
    form->addRow(m_workingDay, span(m_start, m_end));
    auto* days = new QHBoxLayout;
    static constexpr const char* names[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (std::size_t i = 0; i < m_workdays.size(); ++i) {
        m_workdays[i] = checkBox(box, (std::string("chk") + names[i]).c_str(),
                                 QLocale().dayName(static_cast<int>(i) + 1, QLocale::ShortFormat));
        days->addWidget(m_workdays[i]);
    }
    form->addRow(new QLabel(tr("On"), box), days);
    m_break = checkBox(box, "chkBreak", tr("With a &break from"));
    m_breakFrom = timeEdit(box, "tmeBreakFrom", tr("The break begins at"));
    m_breakTo = timeEdit(box, "tmeBreakTo", tr("The break ends at"));
    form->addRow(m_break, span(m_breakFrom, m_breakTo));
    for (QCheckBox* check : {m_workingDay, m_break})
        connect(check, &QCheckBox::toggled, this, &PreferencesDialog::enableTimes);
}

void PreferencesDialog::createWorkingWeek(QVBoxLayout* column)
{
    QGroupBox* box = group(this, "fraWorkingWeek", tr("Working week"));
    auto* form = new QFormLayout(box);
    m_hoursPerDay = spinRow<QDoubleSpinBox>(form, "spnHoursPerDay", tr("&Hours a day:"), tr("Hours worked a day"));
    m_hoursPerDay->setRange(0.5, 24);
    m_hoursPerDay->setSingleStep(0.5);
    m_daysPerWeek = spinRow<QSpinBox>(form, "spnDaysPerWeek", tr("Days a wee&k:"), tr("Days worked a week"));
    m_daysPerWeek->setRange(1, 7);
    const QString why = tr("The advanced window converts a pay period into an hourly wage on these.");
    m_hoursPerDay->setAccessibleDescription(why);
    m_daysPerWeek->setAccessibleDescription(why);
    column->addWidget(box);
}

void PreferencesDialog::createButtons(QVBoxLayout* column)
{
    m_buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults, this);
    m_buttons->setObjectName(QStringLiteral("buttons"));
    m_buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdSave"));
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    QPushButton* restore = m_buttons->button(QDialogButtonBox::RestoreDefaults);
    restore->setObjectName(QStringLiteral("cmdRestore"));
    restore->setText(tr("Restore &Defaults"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &PreferencesDialog::save);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &PreferencesDialog::reject);
    connect(restore, &QPushButton::clicked, this, &PreferencesDialog::restoreDefaults);
    column->addWidget(m_buttons);
}

void PreferencesDialog::createAway(QVBoxLayout* column)
{
    QGroupBox* box = group(this, "fraAway", tr("Away"));
    auto* form = new QFormLayout(box);
    m_awayMinutes = new QSpinBox(box);
    m_awayMinutes->setObjectName(QStringLiteral("spnAwayMinutes"));
    m_awayMinutes->setRange(0, 1440);
    m_awayMinutes->setSuffix(tr(" minutes"));
    m_awayMinutes->setSpecialValueText(tr("never"));
    m_awayMinutes->setAccessibleName(tr("Away after no input for, in minutes"));
    m_awayMinutes->setAccessibleDescription(
        tr("Never: neither idle time nor a locked screen nor a suspend counts you away."));
    auto* minutesCaption = new QLabel(tr("Count me away after no &input for:"), box);
    minutesCaption->setBuddy(m_awayMinutes);
    form->addRow(minutesCaption, m_awayMinutes);
    m_awayAction = new QComboBox(box);
    m_awayAction->setObjectName(QStringLiteral("cboAwayAction"));
    m_awayAction->addItems(
        {tr("Ask whether to keep the time"), tr("Keep the time"), tr("Take the time off the count")});
    m_awayAction->setAccessibleName(tr("On my return"));
    auto* actionCaption = new QLabel(tr("On my re&turn:"), box);
    actionCaption->setBuddy(m_awayAction);
    form->addRow(actionCaption, m_awayAction);
    m_awayWays = new QLabel(box);
    m_awayWays->setObjectName(QStringLiteral("lblAwayWays"));
    m_awayWays->setWordWrap(true);
    form->addRow(m_awayWays);
    setAwayWays({});
    column->addWidget(box);
}

void PreferencesDialog::createMoney(QVBoxLayout* column)
{
    QGroupBox* box = group(this, "fraMoney", tr("Money"));
    auto* form = new QFormLayout(box);
    m_currency = new QComboBox(box);
    m_currency->setObjectName(QStringLiteral("cboCurrency"));
    m_currency->addItem(tr("$ (as Earnmeter has always shown it)"), fromView(DollarChoice));
    m_currency->addItem(tr("Regional currency (locale)"), fromView(LocaleChoice));
    for (const IsoCurrency& iso : isoCurrencies())
        //: A currency in the list: its ISO code and its symbol, "EUR (€)".
        m_currency->addItem(tr("%1 (%2)").arg(fromView(iso.code), fromView(iso.symbol)), fromView(iso.code));
    m_currency->setAccessibleName(tr("Currency"));
    m_currency->setAccessibleDescription(tr("The currency every amount is shown in, as the region writes it."));
    auto* caption = new QLabel(tr("Currenc&y:"), box);
    caption->setBuddy(m_currency);
    form->addRow(caption, m_currency);
    column->addWidget(box);
}

void PreferencesDialog::showCurrencySymbol(const QString& symbol)
{
    m_goalCaption->setText(tr("Daily &goal: $").replace(QLatin1Char('$'), symbol));
}

void PreferencesDialog::setAwayWays(const std::vector<std::string>& ways)
{
    if (ways.empty()) {
        m_awayWays->setText(tr("This desktop tells neither idle time nor the lock: time away is not noticed."));
        return;
    }
    QStringList named;
    for (const std::string& way : ways)
        named << QCoreApplication::translate("AwayWays", way.c_str());
    const QString last = named.takeLast();
    const QString all = named.isEmpty() ? last : tr("%1 and %2", "the last two ways").arg(named.join(tr(", ")), last);
    m_awayWays->setText(tr("Noticed through %1.").arg(all));
}

void PreferencesDialog::show(const Preferences& preferences)
{
    m_rememberWage->setChecked(preferences.rememberWage);
    for (int i = 0; i < static_cast<int>(std::size(NewDayChoices)); ++i)
        if (NewDayChoices[i] == preferences.newDay)
            m_newDay->setCurrentIndex(i);
    const WorkingDay& day = preferences.workingDay;
    m_workingDay->setChecked(day.isSet());
    m_start->setTime(toQTime(day.start.value_or(DayStart)));
    m_end->setTime(toQTime(day.end.value_or(DayEnd)));
    for (std::size_t i = 0; i < m_workdays.size(); ++i)
        m_workdays[i]->setChecked(day.workdays[i]);
    m_break->setChecked(day.lunch.has_value());
    m_breakFrom->setTime(toQTime(day.lunch ? day.lunch->from : BreakFrom));
    m_breakTo->setTime(toQTime(day.lunch ? day.lunch->to : BreakTo));
    m_autoStart->setChecked(day.autoStart);
    m_autoPause->setChecked(day.autoPause);
    m_startAtLogin->setChecked(preferences.startAtLogin);
    m_goal->setText(preferences.dailyGoal ? LocalNumbers::toShownText(CurrencyText(*preferences.dailyGoal), locale())
                                          : QString());
    m_notifications->setChecked(preferences.notifications);
    m_awayMinutes->setValue(preferences.awayMinutes);
    m_awayAction->setCurrentIndex(static_cast<int>(preferences.awayAction));
    m_currency->setCurrentIndex(std::max(m_currency->findData(QString::fromStdString(preferences.currency)), 0));
    m_hoursPerDay->setValue(preferences.workingWeek.hoursPerDay);
    m_daysPerWeek->setValue(preferences.workingWeek.daysPerWeek);
    enableTimes();
}

void PreferencesDialog::enableTimes()
{
    const bool day = m_workingDay->isChecked();
    for (QWidget* widget :
         {static_cast<QWidget*>(m_start), static_cast<QWidget*>(m_end), static_cast<QWidget*>(m_break)})
        widget->setEnabled(day);
    m_breakFrom->setEnabled(day && m_break->isChecked());
    m_breakTo->setEnabled(day && m_break->isChecked());
}

bool PreferencesDialog::refuse(const QString& text)
{
    m_prompt.ask({text.toStdString(), "Earnmeter", Message::Buttons::Ok, Message::Icon::Exclamation});
    return false;
}

std::optional<Preferences> PreferencesDialog::edited()
{
    Preferences preferences = m_current;
    preferences.rememberWage = m_rememberWage->isChecked();
    preferences.newDay = NewDayChoices[std::max(m_newDay->currentIndex(), 0)];
    WorkingDay& day = preferences.workingDay;
    const bool set = m_workingDay->isChecked();
    day.start = set ? std::optional(fromQTime(m_start->time())) : std::nullopt;
    day.end = set ? std::optional(fromQTime(m_end->time())) : std::nullopt;
    for (std::size_t i = 0; i < m_workdays.size(); ++i)
        day.workdays[i] = m_workdays[i]->isChecked();
    day.lunch = set && m_break->isChecked()
                    ? std::optional(TimeSpan{fromQTime(m_breakFrom->time()), fromQTime(m_breakTo->time())})
                    : std::nullopt;
    day.autoStart = m_autoStart->isChecked();
    day.autoPause = m_autoPause->isChecked();
    preferences.startAtLogin = m_startAtLogin->isChecked();
    preferences.notifications = m_notifications->isChecked();
    preferences.awayMinutes = m_awayMinutes->value();
    preferences.awayAction = static_cast<AwayAction>(std::clamp(m_awayAction->currentIndex(), 0, 2));
    preferences.currency = m_currency->currentData().toString().toStdString();
    preferences.workingWeek = {m_hoursPerDay->value(), m_daysPerWeek->value()};
    if (const std::optional<WorkingDay::Problem> problem = day.problem())
        return refuse(problem->key == "break" ? tr("The break must end after it begins, within the working day.")
                                              : tr("The working day must end after it begins.")),
               std::nullopt;
    const QString goal = m_goal->text().trimmed();
    const CurrencyResult amount = CurrencyFromText(LocalNumbers::toEngineText(goal, locale()));
    if (!goal.isEmpty() && (!amount.ok() || amount.value <= Currency{}))
        return refuse(tr("The daily goal must be an amount above 0, such as 240.00, or empty for none.")), std::nullopt;
    preferences.dailyGoal = goal.isEmpty() ? std::nullopt : std::optional(amount.value);
    return preferences;
}

void PreferencesDialog::restoreDefaults()
{
    show(Preferences{});
}

bool PreferencesDialog::save()
{
    const std::optional<Preferences> preferences = edited();
    if (!preferences)
        return false;
    if (*preferences != m_current) {
        const std::optional<Preferences> saved = m_save(*preferences);
        if (!saved)
            return false;
        m_current = *saved;
        show(m_current);
    }
    done(QDialog::Accepted);
    return true;
}

void PreferencesDialog::reject()
{
    show(m_current);
    QDialog::reject();
}
