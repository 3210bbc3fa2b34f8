// The frames a window manager has drawn, by kind of window ("window", "dialog"), remembered
// for the run and kept in a small file under $XDG_CACHE_HOME for the next one: so a window can
// be placed by its outer rectangle before the manager has said anything about it. The file
// names the manager it describes; under another manager it is not used. It is a cache: when
// it is missing or unreadable the game places by the client rectangle until the manager tells
// it better, and when it cannot be written nothing is lost.
#pragma once

#include <QMargins>
#include <QString>
#include <optional>

namespace slcy {

// The frame (in the window system's pixels) that `manager` drew around a window of `kind`,
// in this run or the last one it managed.
std::optional<QMargins> LearnedFrame(const QString& manager, const QString& kind);

// Remembers what `manager` drew around a window of `kind`; the file is written when it changes.
void LearnFrame(const QString& manager, const QString& kind, QMargins frame);

}  // namespace slcy
