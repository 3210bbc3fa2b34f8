// A label that reports a left click on it, like the board does.
#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace slcy {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
    }
    void mousePressEvent(QMouseEvent* e) override { e->accept(); }
};

}  // namespace slcy
