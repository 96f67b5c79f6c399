#pragma once

class Commands;
class QMenu;
class QMenuBar;
class QWidget;

// The File, Edit and Help menus both working windows carry, with the same
// captions, access keys and shortcuts, acting on the shared commands.
void buildMenuBar(QMenuBar* bar, Commands& commands, QWidget* owner);

// The right-button popup: reset, the two copies and exit.
QMenu* buildHiddenMenu(QWidget* parent, Commands& commands);
