// Where the main window stands between runs. The setting "MainForm" holds a PlacementText of
// seven integers separated by commas, without blanks:
//   200, flags, show state, left, top, right, bottom
// 200 marks the form; the show state is numbered 1 normal, 2 minimized, 3 maximized; the four
// edges are those of the window's outer rectangle in its normal (not minimized or maximized)
// state, right and bottom exclusive. Example: "200,0,1,412,300,918,694".
//
// Only the position comes back: the window keeps its own size and show state.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>

class QWidget;

namespace slcy {

inline constexpr std::int32_t kPlacementMarker = 200;

enum class ShowState : std::int32_t { Normal = 1, Minimized = 2, Maximized = 3 };

struct PlacementRecord {
    std::int32_t Flags = 0;
    ShowState Show = ShowState::Normal;
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    bool operator==(const PlacementRecord&) const = default;
};

QString PlacementText(const PlacementRecord& record);

// Nothing unless the text is exactly seven integers and the first is 200.
std::optional<PlacementRecord> ParsePlacementText(const QString& text);

// Where the top left corner of the window's outer rectangle (`outer` its size) goes when the
// window is shown. With a stored placement: its left and top, then moved back onto `desktop`
// (the rectangle spanning all screens), keeping the size, by these rules in this order: a right
// edge beyond the desktop's moves the window left until they meet; likewise the bottom edge;
// then a left edge before the desktop's moves it right; likewise the top edge. So a window
// larger than the desktop keeps its top left corner on it. Without one: centred on
// `primaryScreen`, halves rounded toward zero.
QPoint RestoredWindowPosition(const std::optional<PlacementRecord>& stored, QSize outer,
                              QRect desktop, QRect primaryScreen);

// Reads "MainForm" and puts `window` as above, against the screens there are now, measuring it
// by its outer rectangle: its client rectangle with `frame` around it. Returns that rectangle.
QRect RestoreMainWindowPlacement(QWidget* window, QMargins frame = {});

// Writes "MainForm" for `window`, measured by `lastFrame`, the outer rectangle the window had
// when it was last shown (a window that has been closed no longer has a frame to measure), and
// removes "MainFormColor" and "MainFormFont". Without `lastFrame`, where the window system keeps
// a window's position from it (Wayland), the stored edges stay as they were and only the show
// state is written, so that the next start on X11 finds the old place; with no placement stored,
// none is written. Call it while the window still exists, before it is destroyed. What cannot be
// written is reported on standard error.
void StoreMainWindowPlacement(const QWidget* window, const std::optional<QRect>& lastFrame);

// The PlacementText fields of `window` as it stands now, measured by its outer rectangle `frame`.
PlacementRecord PlacementOf(const QWidget* window, const QRect& frame);

}  // namespace slcy
