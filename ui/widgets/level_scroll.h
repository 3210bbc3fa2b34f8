// The level selector: a vertical scroll bar whose top (position 1) is the highest level. Every
// action of the player notifies, also when the position stays where it is; positions set by
// the program never notify.
#pragma once

#include <QScrollBar>

namespace slcy {

class LevelScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit LevelScrollBar(QWidget* parent);
    // Clamped to the range; notifies nobody.
    void SetPositionQuietly(int position);

signals:
    void scrolled(int position);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A press held on an end arrow or in the track repeats its step every 100 ms.
    void mousePressEvent(QMouseEvent* event) override;
    // A black track with raised grey end buttons and thumb, over the style's own hit areas.
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace slcy
