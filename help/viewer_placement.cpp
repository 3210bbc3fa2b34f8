#include "viewer_placement.h"

#include <algorithm>

namespace slcy {

namespace {
enum class Side { Right, Left, Over };

Side SideWithRoom(int roomRight, int roomLeft, int width) {
    if (roomRight >= width) return Side::Right;
    if (roomLeft >= width) return Side::Left;
    if (std::max(roomRight, roomLeft) < std::min(width, kNarrowestRulesWidth)) return Side::Over;
    return roomRight >= roomLeft ? Side::Right : Side::Left;
}
}  // namespace

QRect RulesWindowRect(QRect anchor, QSize wanted, QRect area) {
    QRect rect(QPoint(), wanted.boundedTo(area.size()));
    const int roomRight = area.right() - anchor.right();
    const int roomLeft = anchor.left() - area.left();
    switch (SideWithRoom(roomRight, roomLeft, rect.width())) {
        case Side::Right:
            rect.setWidth(std::min(rect.width(), roomRight));
            rect.moveTopLeft({anchor.right() + 1, anchor.top()});
            break;
        case Side::Left:
            rect.setWidth(std::min(rect.width(), roomLeft));
            rect.moveTopRight({anchor.left() - 1, anchor.top()});
            break;
        case Side::Over:
            rect.moveCenter(anchor.center());
            break;
    }
    // Onto the screen: a rectangle no larger than the area always fits.
    rect.moveLeft(std::clamp(rect.left(), area.left(), area.right() + 1 - rect.width()));
    rect.moveTop(std::clamp(rect.top(), area.top(), area.bottom() + 1 - rect.height()));
    return rect;
}

}  // namespace slcy
