#include "ui/common/WindowMenus.h"

#include "ui/common/Commands.h"

#include <QMenu>
#include <QMenuBar>

namespace {

template <typename Slot>
QAction* addItem(QMenu* menu, const char* name, const QString& caption, Slot slot, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, menu, slot);
    return action;
}

QMenu* addMenu(QWidget* parent, const char* name, const QString& title)
{
    auto* menu = new QMenu(title, parent);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

void addCopyItems(QMenu* clip, Commands& commands, const char* timeName, const char* wageName,
                  const QKeySequence& wageShortcut)
{
    addItem(clip, timeName, QStringLiteral("Elapsed &Time"), [&commands] { commands.copyElapsed(); });
    addItem(
        clip, wageName, QStringLiteral("Calculated &Wage"), [&commands] { commands.copyWage(); }, wageShortcut);
}

} // namespace

void buildMenuBar(QMenuBar* bar, Commands& commands, QWidget* owner)
{
    QMenu* file = addMenu(bar, "mnuFile", QStringLiteral("&File"));
    addItem(
        file, "mnuFileReset", QStringLiteral("&Reset Timer..."), [&commands] { commands.resetTimer(); },
        QKeySequence(Qt::CTRL | Qt::Key_R));
    addItem(file, "mnuFileOptions", QStringLiteral("&Options..."), [&commands] { commands.showOptions(); });
    addItem(file, "mnuFilePreferences", QStringLiteral("&Preferences..."), [&commands] { commands.showPreferences(); });
    addItem(
        file, "mnuFileHistory", QStringLiteral("&History..."), [&commands] { commands.showHistory(); },
        QKeySequence(Qt::CTRL | Qt::Key_H));
    file->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    addItem(
        file, "mnuFileExit", QStringLiteral("E&xit"), [&commands] { commands.requestExit(); },
        QKeySequence(Qt::CTRL | Qt::Key_X));
    bar->addMenu(file);

    QMenu* edit = addMenu(bar, "mnuEdit", QStringLiteral("&Edit"));
    QMenu* clip = addMenu(edit, "mnuEditClip", QStringLiteral("&Copy to Clipboard"));
    addCopyItems(clip, commands, "mnuEditClipTime", "mnuEditClipWage", QKeySequence(Qt::CTRL | Qt::Key_C));
    edit->addMenu(clip);
    bar->addMenu(edit);

    QMenu* help = addMenu(bar, "mnuHelp", QStringLiteral("&Help"));
    addItem(
        help, "mnuHelpEmail", QStringLiteral("&E-Mail Dorvan"),
        [&commands, owner] { commands.sendSupportEmail(owner); }, QKeySequence(Qt::CTRL | Qt::Key_E));
    addItem(help, "mnuHelpWeb", QStringLiteral("Visit &Webpage"), [&commands] { commands.openWebPage(); });
    addItem(help, "mnuHelpDonate", QStringLiteral("&Donate Information"), [&commands] { commands.openDonatePage(); });
    help->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    addItem(help, "mnuHelpReadme", QStringLiteral("&Help and Readme"), [&commands] { commands.openReadme(); });
    addItem(help, "mnuHelpAbout", QStringLiteral("&About..."), [&commands] { commands.showAbout(); });
    bar->addMenu(help);
}

QMenu* buildHiddenMenu(QWidget* parent, Commands& commands)
{
    QMenu* hidden = addMenu(parent, "mnuHidden", QStringLiteral("Hidden"));
    addItem(hidden, "mnuHiddenReset", QStringLiteral("&Reset Timer..."), [&commands] { commands.resetTimer(); });
    hidden->addSeparator()->setObjectName(QStringLiteral("mnuSep3"));
    QMenu* clip = addMenu(hidden, "mnuHiddenClip", QStringLiteral("&Copy to Clipboard"));
    addCopyItems(clip, commands, "mnuHiddenClipTime", "mnuHiddenClipWage", {});
    hidden->addMenu(clip);
    hidden->addSeparator()->setObjectName(QStringLiteral("mnuSep4"));
    addItem(hidden, "mnuHiddenExit", QStringLiteral("E&xit"), [&commands] { commands.requestExit(); });
    return hidden;
}
