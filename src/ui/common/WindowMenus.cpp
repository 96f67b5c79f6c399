#include "ui/common/WindowMenus.h"

#include "ui/common/Commands.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

// The menus of both working windows share one set of texts.
struct Menus
{
    Q_DECLARE_TR_FUNCTIONS(WindowMenus)
};

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
    addItem(clip, timeName, Menus::tr("Elapsed &Time"), [&commands] { commands.copyElapsed(); });
    addItem(
        clip, wageName, Menus::tr("Calculated &Wage"), [&commands] { commands.copyWage(); }, wageShortcut);
}

} // namespace

void buildMenuBar(QMenuBar* bar, Commands& commands, QWidget* owner)
{
    QMenu* file = addMenu(bar, "mnuFile", Menus::tr("&File"));
    addItem(
        file, "mnuFileReset", Menus::tr("&Reset Timer..."), [&commands] { commands.resetTimer(); },
        QKeySequence(Qt::CTRL | Qt::Key_R));
    addItem(file, "mnuFileOptions", Menus::tr("&Options..."), [&commands] { commands.showOptions(); });
    addItem(file, "mnuFilePreferences", Menus::tr("&Preferences..."), [&commands] { commands.showPreferences(); });
    addItem(
        file, "mnuFileHistory", Menus::tr("&History..."), [&commands] { commands.showHistory(); },
        QKeySequence(Qt::CTRL | Qt::Key_H));
    file->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    addItem(
        file, "mnuFileExit", Menus::tr("E&xit"), [&commands] { commands.requestExit(); },
        QKeySequence(Qt::CTRL | Qt::Key_X));
    bar->addMenu(file);

    QMenu* edit = addMenu(bar, "mnuEdit", Menus::tr("&Edit"));
    QMenu* clip = addMenu(edit, "mnuEditClip", Menus::tr("&Copy to Clipboard"));
    addCopyItems(clip, commands, "mnuEditClipTime", "mnuEditClipWage", QKeySequence(Qt::CTRL | Qt::Key_C));
    edit->addMenu(clip);
    bar->addMenu(edit);

    QMenu* help = addMenu(bar, "mnuHelp", Menus::tr("&Help"));
    addItem(
        help, "mnuHelpEmail", Menus::tr("&E-Mail Dorvan"), [&commands, owner] { commands.sendSupportEmail(owner); },
        QKeySequence(Qt::CTRL | Qt::Key_E));
    addItem(help, "mnuHelpWeb", Menus::tr("Visit &Webpage"), [&commands] { commands.openWebPage(); });
    addItem(help, "mnuHelpDonate", Menus::tr("&Donate Information"), [&commands] { commands.openDonatePage(); });
    help->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    addItem(help, "mnuHelpReadme", Menus::tr("&Help and Readme"), [&commands] { commands.openReadme(); });
    addItem(help, "mnuHelpAbout", Menus::tr("&About..."), [&commands] { commands.showAbout(); });
    bar->addMenu(help);
}

QMenu* buildHiddenMenu(QWidget* parent, Commands& commands)
{
    QMenu* hidden = addMenu(parent, "mnuHidden", Menus::tr("Hidden"));
    addItem(hidden, "mnuHiddenReset", Menus::tr("&Reset Timer..."), [&commands] { commands.resetTimer(); });
    hidden->addSeparator()->setObjectName(QStringLiteral("mnuSep3"));
    QMenu* clip = addMenu(hidden, "mnuHiddenClip", Menus::tr("&Copy to Clipboard"));
    addCopyItems(clip, commands, "mnuHiddenClipTime", "mnuHiddenClipWage", {});
    hidden->addMenu(clip);
    hidden->addSeparator()->setObjectName(QStringLiteral("mnuSep4"));
    addItem(hidden, "mnuHiddenExit", Menus::tr("E&xit"), [&commands] { commands.requestExit(); });
    return hidden;
}
