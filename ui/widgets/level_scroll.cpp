#include "level_scroll.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
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

    // When the signal comes, the slider position already holds the result of the action. The
    // thumb's own moves while it is dragged are left to mouseMoveEvent, which notifies for
    // every movement, also one that leaves the position where it was.
    connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) {
        if (action == SliderMove && isSliderDown()) return;
        Notify();
    });
}

void LevelScrollBar::SetPositionQuietly(int position) {
    const QSignalBlocker quiet(this);
    setValue(std::clamp(position, minimum(), maximum()));
}

void LevelScrollBar::Notify() {
    emit scrolled(std::clamp(sliderPosition(), minimum(), maximum()));
}

void LevelScrollBar::NotifyAgainAtAnEnd() {
    const int position = sliderPosition();
    if (position <= minimum() || position >= maximum()) Notify();
}

void LevelScrollBar::mousePressEvent(QMouseEvent* event) {
    QScrollBar::mousePressEvent(event);
    if (repeatAction() != SliderNoAction) setRepeatAction(repeatAction(), 500, 100);
    // A second button pressed meanwhile neither starts nor ends an action.
    if (event->buttons() == event->button())
        mouse_action_ = isSliderDown() || repeatAction() != SliderNoAction;
}

void LevelScrollBar::mouseMoveEvent(QMouseEvent* event) {
    QScrollBar::mouseMoveEvent(event);
    if (isSliderDown()) Notify();
}

// The action is over when the last button comes up.
void LevelScrollBar::mouseReleaseEvent(QMouseEvent* event) {
    QScrollBar::mouseReleaseEvent(event);
    if (event->buttons() != Qt::NoButton || !mouse_action_) return;
    mouse_action_ = false;
    NotifyAgainAtAnEnd();
}

// Up and Left go one level higher, Down and Right one lower; the page keys ten at a time, Home
// and End to the highest and the lowest level.
void LevelScrollBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left: triggerAction(SliderSingleStepSub); break;
        case Qt::Key_Down:
        case Qt::Key_Right: triggerAction(SliderSingleStepAdd); break;
        case Qt::Key_PageUp: triggerAction(SliderPageStepSub); break;
        case Qt::Key_PageDown: triggerAction(SliderPageStepAdd); break;
        case Qt::Key_Home: triggerAction(SliderToMinimum); break;
        case Qt::Key_End: triggerAction(SliderToMaximum); break;
        default: QScrollBar::keyPressEvent(event); return;
    }
    NotifyAgainAtAnEnd();
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
