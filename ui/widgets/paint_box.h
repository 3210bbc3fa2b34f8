// A surface that shows a retained image and reports presses and clicks on it. The image may
// have `scale` pixels for each of the surface's (the art at twice the size): on a screen of
// that density it shows pixel for pixel, on any other it is scaled smoothly.
#pragma once

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace slcy {

class PaintBox : public QWidget {
    Q_OBJECT
public:
    PaintBox(const QImage& image, int scale, QWidget* parent)
        : QWidget(parent), image_(image), scale_(scale) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(image.size() / scale);
    }

signals:
    void pressed(Qt::MouseButton button, QPoint at);
    // A left press and release on the box.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        const QRect r = event->rect();
        if (devicePixelRatioF() != scale_) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRectF(r), image_, Source(r));
            return;
        }
        // Pixel for pixel, in bands: Qt hands a taller drawing of these pixels to worker
        // threads, which it starts at the first paint (the window's first paint waited a
        // millisecond for them) and starts again after they have idled. A band is drawn on this
        // thread in the time the threads take.
        constexpr int kBandRows = 32;
        for (int top = r.top(); top <= r.bottom(); top += kBandRows) {
            const QRect band(r.left(), top, r.width(), std::min(kBandRows, r.bottom() + 1 - top));
            p.drawImage(QRectF(band), image_, Source(band));
        }
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
    // The image's pixels behind a rectangle of the surface.
    QRectF Source(QRect r) const { return QRectF(r.topLeft() * scale_, r.size() * scale_); }

    const QImage& image_;
    const int scale_;
    bool left_pressed_ = false;
};

}  // namespace slcy
