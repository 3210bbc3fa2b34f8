#include "backing_store.h"

#include <sys/mman.h>
#include <unistd.h>

#include <QBackingStore>
#include <QGuiApplication>
#include <QImage>
#include <QWidget>
#include <cstdint>

namespace slcy {

void PrepareBackingStore(QWidget& window) {
    // The X11 (and the offscreen) backing store makes its image when it is sized; Wayland's
    // makes its buffers only when a paint begins, and must not be asked for pixels before.
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("xcb") && platform != QLatin1String("offscreen")) return;
    QBackingStore* const store = window.backingStore();
    if (!store) return;
    // The size the first paint would give it; the platform's image exists once it has one.
    if (store->size() != window.size()) store->resize(window.size());
    const auto* const image = dynamic_cast<const QImage*>(store->paintDevice());
    if (!image || image->isNull()) return;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const uchar* const bits = image->constBits();
    const std::size_t intoPage = reinterpret_cast<std::uintptr_t>(bits) % page;
    // A kernel without this call (before Linux 5.14) refuses it: the first paint then touches
    // the pages one by one, as it always did. The pixels themselves are left as they are.
    madvise(const_cast<uchar*>(bits - intoPage),
            intoPage + static_cast<std::size_t>(image->sizeInBytes()), MADV_POPULATE_WRITE);
}

}  // namespace slcy
