#include "ui/common/AccessibleComboBox.h"

#include <QAbstractItemView>
#include <QComboBox>

AccessibleComboBox::AccessibleComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

QAccessibleInterface* AccessibleComboBox::factory(const QString& className, QObject* object)
{
    auto* box = qobject_cast<QComboBox*>(object);
    if (className != QLatin1String("QComboBox") || box == nullptr || box->isEditable())
        return nullptr;
    return new AccessibleComboBox(box);
}

QComboBox* AccessibleComboBox::comboBox() const
{
    return static_cast<QComboBox*>(widget());
}

void* AccessibleComboBox::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleComboBox::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value)
        return comboBox()->currentText();
    return QAccessibleWidget::text(type);
}

int AccessibleComboBox::childCount() const
{
    return 1;
}

QAccessibleInterface* AccessibleComboBox::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(comboBox()->view()) : nullptr;
}

int AccessibleComboBox::indexOfChild(const QAccessibleInterface* child) const
{
    return child != nullptr && child->object() == comboBox()->view() ? 0 : -1;
}

QStringList AccessibleComboBox::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void AccessibleComboBox::doAction(const QString& actionName)
{
    if (actionName == showMenuAction() || actionName == pressAction())
        comboBox()->showPopup();
}

void AccessibleComboBox::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
}

QString AccessibleComboBox::text(int startOffset, int endOffset) const
{
    return comboBox()->currentText().mid(startOffset, endOffset - startOffset);
}

int AccessibleComboBox::characterCount() const
{
    return static_cast<int>(comboBox()->currentText().size());
}

QString AccessibleComboBox::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
