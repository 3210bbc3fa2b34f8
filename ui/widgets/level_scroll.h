// The level selector: a vertical scroll bar whose top (position 1) is the highest level. Every
// action of the player notifies, also when the position stays where it is: a key, an end arrow
// or a press in the track (and each repeat of a held press) once, every mouse movement while
// the thumb is dragged once, and an action that leaves the position at either end once more
// when it is over (a key at once, a press or drag when the button is released). Positions set
// by the program never notify.
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
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A black track with raised grey end buttons and thumb, over the style's own hit areas.
    void paintEvent(QPaintEvent* event) override;

private:
    void Notify();
    void NotifyAgainAtAnEnd();

    bool mouse_action_ = false;  // the held mouse button has stepped or taken the thumb
};

}  // namespace slcy
