#include "level_scroll.h"

#include <QKeyEvent>
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
