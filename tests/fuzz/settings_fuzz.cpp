// Any text as a stored setting: read as an integer, as a boolean's integer and as the window's
// placement, and put back onto a desktop. Nothing may crash, and a placement that reads back
// lands the window inside the desktop.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "settings_store.h"
#include "window_placement.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto number = slcy::SettingTextToInt(text);
    if (number && QString::number(*number).toInt() != *number) std::abort();

    const auto placement = slcy::ParsePlacementText(text);
    const QRect desktop(0, 0, 1920, 1080);
    const QSize window(502, 387);
    const QPoint at = slcy::RestoredWindowPosition(placement, window, desktop, desktop);
    if (!desktop.contains(QRect(at, window))) std::abort();
    return 0;
}
