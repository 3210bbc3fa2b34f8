#include "show_effect.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QThread>
#include <QWidget>

namespace slcy {

namespace {

constexpr int kSteps = 40;
constexpr int kStepMicroseconds = 250;

// A frameless window reduced to its one-pixel outline, painted as a dotted line.
class OutlineWindow : public QWidget {
public:
    OutlineWindow()
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::X11BypassWindowManagerHint) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void Place(QRect r) {
        setGeometry(r);
        setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(1, 1, -1, -1))));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

}  // namespace

QRect ExplodingRectangleStep(QPoint from, QRect to, int i, int steps) {
    auto lerp = [&](int a, int b) { return a + (b - a) * i / steps; };
    return QRect(QPoint(lerp(from.x(), to.left()), lerp(from.y(), to.top())),
                 QPoint(lerp(from.x(), to.right()), lerp(from.y(), to.bottom())));
}

void PlayExplodingRectangles(QRect target) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    const QPoint from = QCursor::pos();
    OutlineWindow outline;
    outline.Place(ExplodingRectangleStep(from, target, 1, kSteps));
    outline.show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    for (int i = 1; i <= kSteps; ++i) {
        outline.Place(ExplodingRectangleStep(from, target, i, kSteps));
        outline.repaint();
        QThread::usleep(kStepMicroseconds);
    }
    outline.hide();
}

}  // namespace slcy
