#include "level_scroll.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionSlider>
#include <qdrawutil.h>
#include <QSignalBlocker>

namespace slcy {

LevelScrollBar::LevelScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    setRange(1, 1);
    setSingleStep(1);
    setPageStep(10);
    setFocusPolicy(Qt::StrongFocus);

    // When the signal comes, the slider position already holds the result of the action.
    connect(this, &QAbstractSlider::actionTriggered, this,
            [this](int) { emit scrolled(std::clamp(sliderPosition(), minimum(), maximum())); });
}

void LevelScrollBar::SetPositionQuietly(int position) {
    const QSignalBlocker quiet(this);
    setValue(std::clamp(position, minimum(), maximum()));
}

void LevelScrollBar::mousePressEvent(QMouseEvent* event) {
    QScrollBar::mousePressEvent(event);
    if (repeatAction() != SliderNoAction) setRepeatAction(repeatAction(), 500, 100);
}

// Up and Left go one level higher, Down and Right one lower; the page keys ten at a time.
void LevelScrollBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left: triggerAction(SliderSingleStepSub); break;
        case Qt::Key_Down:
        case Qt::Key_Right: triggerAction(SliderSingleStepAdd); break;
        case Qt::Key_PageUp: triggerAction(SliderPageStepSub); break;
        case Qt::Key_PageDown: triggerAction(SliderPageStepAdd); break;
        default: QScrollBar::keyPressEvent(event); return;
    }
    event->accept();
}

}  // namespace slcy

namespace slcy {

namespace {
const QColor kFace(0xC0, 0xC0, 0xC0);

void RaisedPanel(QPainter& p, const QRect& r, const QPalette& palette) {
    qDrawWinPanel(&p, r, palette, false, nullptr);
    p.fillRect(r.adjusted(2, 2, -2, -2), kFace);
}

void Triangle(QPainter& p, const QRect& r, bool up) {
    const QPoint c = r.center();
    const QPolygon tip = up ? QPolygon({c + QPoint(-3, 1), c + QPoint(3, 1), c + QPoint(0, -2)})
                            : QPolygon({c + QPoint(-3, -1), c + QPoint(3, -1), c + QPoint(0, 2)});
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(tip);
}
}  // namespace

void LevelScrollBar::paintEvent(QPaintEvent*) {
    QStyleOptionSlider option;
    initStyleOption(&option);
    auto area = [&](QStyle::SubControl part) {
        return style()->subControlRect(QStyle::CC_ScrollBar, &option, part, this);
    };
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    const QRect up = area(QStyle::SC_ScrollBarSubLine);
    const QRect down = area(QStyle::SC_ScrollBarAddLine);
    RaisedPanel(p, up, palette());
    Triangle(p, up, true);
    RaisedPanel(p, down, palette());
    Triangle(p, down, false);
    RaisedPanel(p, area(QStyle::SC_ScrollBarSlider), palette());
}

}  // namespace slcy
