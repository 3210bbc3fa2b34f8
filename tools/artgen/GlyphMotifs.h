// The pictures on the buttons, each painted in its glyph's design pixel coordinates (the 1x
// glyph's pixels). Those that take the scale show more detail where they are drawn larger.
#pragma once

#include <QPainter>

namespace artgen {

void PaintBomb(QPainter& p);                      // 18 x 18
void PaintUTurnArrow(QPainter& p);                // 18 x 18
void PaintBendingArrow(QPainter& p);              // 18 x 18
void PaintFloppy(QPainter& p, bool arrowOut);     // 18 x 18
void PaintCup(QPainter& p);                       // 18 x 18
void PaintLoudspeaker(QPainter& p);               // 16 x 16
void PaintDoor(QPainter& p, QColor door);         // 18 x 18
void PaintLips(QPainter& p);                      // 15 x 15
void PaintLetterBall(QPainter& p, QColor ball, const QString& letter, const QString& font,
                     double size);                // 18 x 18
void PaintWumpleBadge(QPainter& p, int scale);    // 26 x 20
void PaintTriangle(QPainter& p, bool up);         // 13 x 13
void PaintFace(QPainter& p, QColor face, bool smiling);  // 17 x 17
void PaintRedCross(QPainter& p);                  // 18 x 18
void PaintCancelX(QPainter& p);                   // 18 x 18
void PaintCheckMark(QPainter& p);                 // 18 x 18
void PaintFlagsEnglish(QPainter& p, int scale);   // 53 x 20
void PaintFlagsGerman(QPainter& p);               // 80 x 20

}  // namespace artgen
