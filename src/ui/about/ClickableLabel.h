#pragma once

#include <QLabel>

// A label that reports a click: press and release of the left button over it.
class ClickableLabel final : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
