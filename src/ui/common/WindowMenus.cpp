#include "ui/common/WindowMenus.h"

#include "ui/common/Commands.h"

#include <QMenu>
#include <QMenuBar>

namespace {

template <typename Slot>
QAction* AddItem(QMenu* menu, const char* name, const QString& caption, Slot slot, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, menu, slot);
    return action;
}

QMenu* AddMenu(QWidget* parent, const char* name, const QString& title)
{
    auto* menu = new QMenu(title, parent);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

void AddCopyItems(QMenu* clip, Commands& commands, const char* timeName, const char* wageName,
                  const QKeySequence& wageShortcut)
{
    AddItem(clip, timeName, QStringLiteral("Elapsed &Time"), [&commands] { commands.copyElapsed(); });
    AddItem(
        clip, wageName, QStringLiteral("Calculated &Wage"), [&commands] { commands.copyWage(); }, wageShortcut);
}

} // namespace

void BuildMenuBar(QMenuBar* bar, Commands& commands, QWidget* owner)
{
    QMenu* file = AddMenu(bar, "mnuFile", QStringLiteral("&File"));
    AddItem(
        file, "mnuFileReset", QStringLiteral("&Reset Timer..."), [&commands] { commands.resetTimer(); },
        QKeySequence(Qt::CTRL | Qt::Key_R));
    AddItem(file, "mnuFileOptions", QStringLiteral("&Options..."), [&commands] { commands.showOptions(); });
    file->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    AddItem(
        file, "mnuFileExit", QStringLiteral("E&xit"), [&commands] { commands.requestExit(); },
        QKeySequence(Qt::CTRL | Qt::Key_X));
    bar->addMenu(file);

    QMenu* edit = AddMenu(bar, "mnuEdit", QStringLiteral("&Edit"));
    QMenu* clip = AddMenu(edit, "mnuEditClip", QStringLiteral("&Copy to Clipboard"));
    AddCopyItems(clip, commands, "mnuEditClipTime", "mnuEditClipWage", QKeySequence(Qt::CTRL | Qt::Key_C));
    edit->addMenu(clip);
    bar->addMenu(edit);

    QMenu* help = AddMenu(bar, "mnuHelp", QStringLiteral("&Help"));
    AddItem(
        help, "mnuHelpEmail", QStringLiteral("&E-Mail Dorvan"),
        [&commands, owner] { commands.sendSupportEmail(owner); }, QKeySequence(Qt::CTRL | Qt::Key_E));
    AddItem(help, "mnuHelpWeb", QStringLiteral("Visit &Webpage"), [&commands] { commands.openWebPage(); });
    AddItem(help, "mnuHelpDonate", QStringLiteral("&Donate Information"), [&commands] { commands.openDonatePage(); });
    help->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    AddItem(help, "mnuHelpReadme", QStringLiteral("&Help and Readme"), [&commands] { commands.openReadme(); });
    AddItem(help, "mnuHelpAbout", QStringLiteral("&About..."), [&commands] { commands.showAbout(); });
    bar->addMenu(help);
}

QMenu* BuildHiddenMenu(QWidget* parent, Commands& commands)
{
    QMenu* hidden = AddMenu(parent, "mnuHidden", QStringLiteral("Hidden"));
    AddItem(hidden, "mnuHiddenReset", QStringLiteral("&Reset Timer..."), [&commands] { commands.resetTimer(); });
    hidden->addSeparator()->setObjectName(QStringLiteral("mnuSep3"));
    QMenu* clip = AddMenu(hidden, "mnuHiddenClip", QStringLiteral("&Copy to Clipboard"));
    AddCopyItems(clip, commands, "mnuHiddenClipTime", "mnuHiddenClipWage", {});
    hidden->addMenu(clip);
    hidden->addSeparator()->setObjectName(QStringLiteral("mnuSep4"));
    AddItem(hidden, "mnuHiddenExit", QStringLiteral("E&xit"), [&commands] { commands.requestExit(); });
    return hidden;
}
