// The solved-levels gauge: a red bar growing from the bottom, in whole per cent, on black.
#pragma once

#include <QWidget>

namespace slcy {

class SolvedGauge : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void SetRange(int maximum, int progress);
    int maximum() const { return maximum_; }
    int progress() const { return progress_; }
    // Height of the red part for a gauge of `height` pixels.
    static int FilledHeight(int height, int maximum, int progress);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int maximum_ = 100;
    int progress_ = 0;
};

}  // namespace slcy
