#include "ui/common/WindowParts.h"

#include "ui/common/ClientArea.h"
#include "ui/common/Cursors.h"
#include "ui/common/LegacyFont.h"
#include "ui/common/Twips.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
// What a screen reader says for a control, until the window gives a better name.
QString spokenName(const QString& caption)
{
    return QString(caption).remove(QLatin1Char('&'));
}
} // namespace

namespace WindowParts {

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top, int width, int height,
              Qt::Alignment alignment)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(Twips::rect(left, top, width, height));
    label->setAlignment(alignment | Qt::AlignVCenter);
    // A screen reader reads a label's visible text, so a figure is heard as it changes.
    return label;
}

QLabel* readout(QWidget* parent, const char* name, const QString& text, int left, int top, int width, int height,
                Qt::Alignment alignment)
{
    QLabel* box = label(parent, name, text, left, top, width, height, alignment);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(1);
    box->setFont(LegacyFont::sansSerif(ReadoutPoints));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, QColor(224, 224, 224));
    palette.setColor(QPalette::WindowText, Qt::black);
    box->setPalette(palette);
    box->setAutoFillBackground(true);
    return box;
}

QLabel* total(QWidget* parent, int left, int top)
{
    QLabel* total = label(parent, "lblTotal", QStringLiteral("$0.00"), left, top, 2055, 495, Qt::AlignRight);
    total->setFont(LegacyFont::monospace(24, true));
    if (auto* area = qobject_cast<ClientArea*>(parent))
        area->addAccent(total, QColor(0, 128, 0));
    return total;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top, int width, int height)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(Twips::rect(left, top, width, height));
    button->setAccessibleName(spokenName(caption));
    button->setCursor(Cursors::hand());
    // Enter on a focused button presses that button, as it does in dialogs.
    button->setAutoDefault(true);
    return button;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, int left, int top, int width, int height)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(Twips::rect(left, top, width, height));
    box->setCursor(Cursors::hand());
    box->setAccessibleName(spokenName(caption));
    return box;
}

QFrame* line(QWidget* parent, const char* name, int x1, int y1, int x2, int y2)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    const QRect from = Twips::rect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
    line->setGeometry(from.x() - 1, from.y() - 1, std::max(from.width(), 2), std::max(from.height(), 2));
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor(87, 124, 88));
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    return line;
}

} // namespace WindowParts
