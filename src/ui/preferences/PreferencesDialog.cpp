#include "ui/preferences/PreferencesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The choices of the new-day list, in the order of NewDay.
constexpr NewDay NewDayChoices[] = {NewDay::Ask, NewDay::Continue, NewDay::Zero};

QGroupBox* group(QWidget* parent, const char* name, const QString& title)
{
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

PreferencesDialog::PreferencesDialog(const Preferences& current, Save save, QWidget* parent)
    : QDialog(parent), m_current(current), m_save(std::move(save))
{
    setObjectName(QStringLiteral("frmPreferences"));
    setWindowTitle(QStringLiteral("Earnmeter Preferences"));
    auto* column = new QVBoxLayout(this);
    createWageAndDay(column);
    column->addStretch(1);
    createButtons(column);
    column->setSizeConstraint(QLayout::SetFixedSize);
    show(m_current);
}

void PreferencesDialog::createWageAndDay(QVBoxLayout* column)
{
    QGroupBox* box = group(this, "fraWageAndDay", QStringLiteral("Wage and day"));
    auto* form = new QFormLayout(box);
    m_rememberWage = new QCheckBox(QStringLiteral("&Remember the wage from one run to the next"), box);
    m_rememberWage->setObjectName(QStringLiteral("chkRememberWage"));
    m_rememberWage->setAccessibleDescription(
        QStringLiteral("At exit the wage boxes are kept, and the next start fills them in again."));
    form->addRow(m_rememberWage);
    m_newDay = new QComboBox(box);
    m_newDay->setObjectName(QStringLiteral("cboNewDay"));
    m_newDay->addItems({QStringLiteral("Ask whether to continue with it"), QStringLiteral("Continue without asking"),
                        QStringLiteral("Start from zero")});
    m_newDay->setAccessibleName(QStringLiteral("A count from an earlier day"));
    m_newDay->setAccessibleDescription(
        QStringLiteral("What start-up does with an elapsed time saved on an earlier day."));
    auto* caption = new QLabel(QStringLiteral("A count from an &earlier day:"), box);
    caption->setBuddy(m_newDay);
    form->addRow(caption, m_newDay);
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
    restore->setText(QStringLiteral("Restore &Defaults"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &PreferencesDialog::save);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &PreferencesDialog::reject);
    connect(restore, &QPushButton::clicked, this, &PreferencesDialog::restoreDefaults);
    column->addWidget(m_buttons);
}

void PreferencesDialog::show(const Preferences& preferences)
{
    m_rememberWage->setChecked(preferences.rememberWage);
    for (int i = 0; i < static_cast<int>(std::size(NewDayChoices)); ++i)
        if (NewDayChoices[i] == preferences.newDay)
            m_newDay->setCurrentIndex(i);
}

Preferences PreferencesDialog::edited() const
{
    Preferences preferences = m_current;
    preferences.rememberWage = m_rememberWage->isChecked();
    preferences.newDay = NewDayChoices[std::max(m_newDay->currentIndex(), 0)];
    return preferences;
}

void PreferencesDialog::restoreDefaults()
{
    show(Preferences{});
}

bool PreferencesDialog::save()
{
    const Preferences preferences = edited();
    if (preferences != m_current) {
        if (!m_save(preferences))
            return false;
        m_current = preferences;
    }
    done(QDialog::Accepted);
    return true;
}

void PreferencesDialog::reject()
{
    show(m_current);
    QDialog::reject();
}
