#include "window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>

#include "settings_keys.h"
#include "settings_store.h"

namespace slcy {

QString PlacementText(const PlacementRecord& r) {
    return QStringLiteral("%1,%2,%3,%4,%5,%6,%7")
        .arg(kPlacementMarker)
        .arg(r.Flags)
        .arg(static_cast<std::int32_t>(r.Show))
        .arg(r.Left)
        .arg(r.Top)
        .arg(r.Right)
        .arg(r.Bottom);
}

std::optional<PlacementRecord> ParsePlacementText(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 7 || parts[0] != QString::number(kPlacementMarker)) return std::nullopt;
    std::int32_t numbers[7];
    for (int i = 0; i < 7; ++i) {
        const std::optional<std::int32_t> n = SettingTextToInt(parts[i]);
        if (!n) return std::nullopt;
        numbers[i] = *n;
    }
    return PlacementRecord{numbers[1], static_cast<ShowState>(numbers[2]), numbers[3],
                           numbers[4],  numbers[5],                        numbers[6]};
}

QPoint RestoredWindowPosition(const std::optional<PlacementRecord>& stored, QSize outer,
                              QRect desktop, QRect primaryScreen) {
    if (!stored) {
        return {primaryScreen.left() + (primaryScreen.width() - outer.width()) / 2,
                primaryScreen.top() + (primaryScreen.height() - outer.height()) / 2};
    }
    // Stored edges can be anything a file holds; 64 bits keep the sums exact.
    const std::int64_t w = outer.width();
    const std::int64_t h = outer.height();
    const std::int64_t desktopLeft = desktop.left();
    const std::int64_t desktopTop = desktop.top();
    const std::int64_t desktopRight = desktopLeft + desktop.width();
    const std::int64_t desktopBottom = desktopTop + desktop.height();
    std::int64_t left = stored->Left;
    std::int64_t top = stored->Top;
    if (left + w > desktopRight) left = desktopRight - w;
    if (top + h > desktopBottom) top = desktopBottom - h;
    if (left < desktopLeft) left = desktopLeft;
    if (top < desktopTop) top = desktopTop;
    // Each coordinate now lies between the desktop's near edge and its far edge less the
    // window's size, so it fits an int again.
    return {static_cast<int>(left), static_cast<int>(top)};
}

QRect RestoreMainWindowPlacement(QWidget* window, QMargins frame) {
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!window || !primary) return {};
    QRect desktop;
    for (const QScreen* screen : QGuiApplication::screens()) desktop |= screen->geometry();
    const std::optional<PlacementRecord> stored =
        ParsePlacementText(GetSettingText(kSettingsSection, kPlacementKey, QString()));
    const QRect outer(RestoredWindowPosition(stored, window->size().grownBy(frame), desktop,
                                             primary->geometry()),
                      window->size().grownBy(frame));
    // A top-level widget's geometry is its client rectangle.
    window->setGeometry(outer.marginsRemoved(frame));
    return outer;
}

namespace {
ShowState ShowStateOf(const QWidget* window) {
    const Qt::WindowStates states = window->windowState();
    return states.testFlag(Qt::WindowMinimized)   ? ShowState::Minimized
           : states.testFlag(Qt::WindowMaximized) ? ShowState::Maximized
                                                  : ShowState::Normal;
}
}  // namespace

PlacementRecord PlacementOf(const QWidget* window, const QRect& frame) {
    const ShowState show = ShowStateOf(window);
    QRect outer = frame;
    const QRect normal = window->normalGeometry();
    if (show != ShowState::Normal && normal.isValid()) {
        // normalGeometry() is the inside of the normal window: add the frame around it.
        const QRect inside = window->geometry();
        outer = normal.adjusted(frame.left() - inside.left(), frame.top() - inside.top(),
                                frame.right() - inside.right(), frame.bottom() - inside.bottom());
    }
    return {0, show, outer.left(), outer.top(), outer.left() + outer.width(),
            outer.top() + outer.height()};
}

void StoreMainWindowPlacement(const QWidget* window, const std::optional<QRect>& lastFrame) {
    if (!window) return;
    std::optional<PlacementRecord> record;
    if (lastFrame) {
        record = PlacementOf(window, *lastFrame);
    } else if ((record = ParsePlacementText(
                    GetSettingText(kSettingsSection, kPlacementKey, QString())))) {
        record->Show = ShowStateOf(window);
    }
    if (record)
        ReportUnwritten(PutSettingText(kSettingsSection, kPlacementKey, PlacementText(*record)),
                        kPlacementKey);
    ReportUnwritten(DropSetting(kSettingsSection, kOldColorKey), kOldColorKey);
    ReportUnwritten(DropSetting(kSettingsSection, kOldFontKey), kOldFontKey);
}

}  // namespace slcy
