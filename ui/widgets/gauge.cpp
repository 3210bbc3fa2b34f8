#include "gauge.h"

#include <QPainter>

namespace slcy {

void SolvedGauge::SetRange(int maximum, int progress) {
    if (maximum == maximum_ && progress == progress_) return;
    maximum_ = maximum;
    progress_ = progress;
    update();
}

int SolvedGauge::FilledHeight(int height, int maximum, int progress) {
    if (maximum <= 0 || progress <= 0) return 0;
    const long long percent = std::min<long long>(100, 100LL * progress / maximum);
    return static_cast<int>(height * percent / 100);
}

void SolvedGauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int filled = FilledHeight(height(), maximum_, progress_);
    p.fillRect(0, 0, width(), height() - filled, Qt::black);
    p.fillRect(0, height() - filled, width(), filled, Qt::red);
}

}  // namespace slcy
