// A flat tool bar button showing a glyph. Qt centres the glyph; a button with a glyph margin
// shows it that many pixels from its left edge instead, still centred from top to bottom.
#pragma once

#include <QToolButton>

namespace slcy {

class SpeedButton : public QToolButton {
    Q_OBJECT
public:
    static constexpr int kCentred = -1;

    explicit SpeedButton(QWidget* parent, int glyphMargin = kCentred);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int glyph_margin_;
};

}  // namespace slcy
