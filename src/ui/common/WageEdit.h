#pragma once

#include <QLineEdit>
#include <QLocale>

#include <string>

// A wage box that tells when the focus comes and goes (not when Enter is
// pressed: Enter presses Start, which reads the text as typed), and leaves the
// window's menu shortcuts to the menus, as the Ctrl keys work everywhere; but
// for Ctrl+C and Ctrl+X while the user has selected text, which copy and cut
// it. The whole amount selected as the focus arrives is the box's own doing,
// and leaves the keys to the menus.
class WageEdit final : public QLineEdit
{
    Q_OBJECT

public:
    enum class CtrlKeys
    {
        ToMenus,
        ToBox
    };
    explicit WageEdit(QWidget* parent = nullptr, CtrlKeys ctrlKeys = CtrlKeys::ToMenus);

    // The text in the engine's form, and an engine text shown in the box's
    // locale (the window's, which the host sets to the desktop's): a box that
    // already says the same is left alone, so the caret stays where it is.
    std::string engineText() const;
    void showEngineText(const std::string& text);

signals:
    void focusLeft();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    CtrlKeys m_ctrlKeys;
    QLocale m_shownIn;            // the locale the text was last shown in
    bool m_selectingAll = false;  // the box itself is selecting the amount
    bool m_userSelection = false; // what is selected, the user selected
};
