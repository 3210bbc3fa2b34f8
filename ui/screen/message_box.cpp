#include "message_box.h"

#include <QGuiApplication>
#include <QScreen>

#include "frame_extents.h"

namespace slcy {

CentredMessageBox::CentredMessageBox(Icon icon, const QString& caption, const QString& text,
                                     QWidget* over)
    : QMessageBox(icon, caption, text, NoButton, over && over->isVisible() ? over : nullptr),
      over_(over) {}

// The box has its size once its own show handling is done, and is not mapped before this
// returns: placed now, it never shows elsewhere.
void CentredMessageBox::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);
    PlaceByOuterRect(this, [this](QMargins frame) {
        QRect area;
        if (over_ && over_->isVisible())
            area = OuterRect(over_);
        else if (const QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->geometry();
        else
            return;
        const QSize outer = size().grownBy(frame);
        MoveOuterTo(this,
                    {area.left() + (area.width() - outer.width()) / 2,
                     area.top() + (area.height() - outer.height()) / 2},
                    frame);
    });
}

}  // namespace slcy
