#pragma once

#include <QAccessibleWidget>

class QComboBox;

// What a screen reader hears of a drop-down list: its purpose as the name (Qt
// on Linux would name it by its current entry) and the current entry as its
// value and text. Its one child is the list of entries, as in Qt's own.
class AccessibleComboBox final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleComboBox(QComboBox* box);

    // Serves every drop-down list of the program that cannot be typed into.
    static QAccessibleInterface* factory(const QString& className, QObject* object);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // The current entry as read-only text.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QComboBox* comboBox() const;
};
