// A surface that shows a retained image and reports presses and clicks on it.
#pragma once

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace slcy {

class PaintBox : public QWidget {
    Q_OBJECT
public:
    PaintBox(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(image.size());
    }

signals:
    void pressed(Qt::MouseButton button, QPoint at);
    // A left press and release on the box.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        p.drawImage(event->rect(), image_, event->rect());
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) left_pressed_ = true;
        emit pressed(e->button(), e->position().toPoint());
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        const bool click = e->button() == Qt::LeftButton && left_pressed_ && rect().contains(e->position().toPoint());
        if (e->button() == Qt::LeftButton) left_pressed_ = false;
        if (click) emit clicked();
    }

private:
    const QImage& image_;
    bool left_pressed_ = false;
};

}  // namespace slcy
