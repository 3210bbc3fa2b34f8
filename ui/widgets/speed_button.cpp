#include "speed_button.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace slcy {

SpeedButton::SpeedButton(QWidget* parent, int glyphMargin)
    : QToolButton(parent), glyph_margin_(glyphMargin) {
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
}

// The style draws the flat button without its glyph; the glyph follows at the margin, moved
// by the style's own shift while the button is down, as a centred glyph would be.
void SpeedButton::paintEvent(QPaintEvent* event) {
    if (glyph_margin_ == kCentred) {
        QToolButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    const QIcon glyph = option.icon;
    option.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);

    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QPixmap picture = glyph.pixmap(iconSize(), devicePixelRatio(), mode);
    QPoint at(glyph_margin_, (height() - iconSize().height()) / 2);
    if (option.state & (QStyle::State_Sunken | QStyle::State_On)) {
        at += {style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
               style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this)};
    }
    painter.drawPixmap(at, picture);
}

}  // namespace slcy
