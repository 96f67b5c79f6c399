#pragma once

#include <QLabel>

// A label that acts like a link: it reports a click (press and release of the
// left button over it), takes the focus by Tab, and reports Enter or Space as
// a click while it has the focus.
class ClickableLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit ClickableLabel(const QString& text = QString(), QWidget* parent = nullptr);
    explicit ClickableLabel(QWidget* parent) : ClickableLabel(QString(), parent) {}

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
