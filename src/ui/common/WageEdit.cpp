#include "ui/common/WageEdit.h"

#include "ui/common/Cursors.h"
#include "ui/common/LocalNumbers.h"

#include <QFocusEvent>
#include <QKeyEvent>

WageEdit::WageEdit(QWidget* parent, CtrlKeys ctrlKeys) : QLineEdit(parent), m_ctrlKeys(ctrlKeys), m_shownIn(locale())
{
    setCursor(Cursors::ibeam());
    connect(this, &QLineEdit::selectionChanged, this, [this] { m_userSelection = !m_selectingAll; });
}

std::string WageEdit::engineText() const
{
    return LocalNumbers::toEngineText(text(), locale());
}

void WageEdit::showEngineText(const std::string& text)
{
    if (engineText() != text)
        setText(LocalNumbers::toShownText(text, locale()));
    m_shownIn = locale();
}

// A box given the desktop's locale after it was filled shows its number anew in it.
void WageEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() != QEvent::LocaleChange || m_shownIn == locale())
        return;
    const std::string shown = LocalNumbers::toEngineText(text(), m_shownIn);
    m_shownIn = locale();
    setText(LocalNumbers::toShownText(shown, locale()));
}

bool WageEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && m_ctrlKeys == CtrlKeys::ToMenus) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // With a selection, copy and cut act on it, as in every text box.
        const bool editKey = key->key() == Qt::Key_C || key->key() == Qt::Key_X;
        const bool menuKey = key->modifiers() == Qt::ControlModifier &&
                             ((editKey && !(hasSelectedText() && m_userSelection)) || key->key() == Qt::Key_R ||
                              key->key() == Qt::Key_E);
        if (menuKey) {
            event->ignore();
            return false;
        }
    }
    return QLineEdit::event(event);
}

void WageEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Qt leaves the caret at the end of a text the program set: select the whole
    // amount, so that typing replaces it.
    if (event->reason() != Qt::MouseFocusReason) {
        m_selectingAll = true;
        selectAll();
        m_selectingAll = false;
    }
}

void WageEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A popup menu or a message box taking the focus for a moment is no leaving.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit focusLeft();
}
