// Writes every button glyph: the tool bar, the level bar, the dialogs and the language flags.
#include "Glyph.h"
#include "GlyphMotifs.h"
#include "Lettering.h"
#include "Sheets.h"

namespace artgen {
namespace {

void Single(const QString& dir, const char* name, int w, int h, QRgb key, const Motif& motif) {
    SaveGlyph(RenderGlyph(w, h, key, motif), key, dir + "/" + name);
}

void Pair(const QString& dir, const char* name, int w, int h, QRgb key, const Motif& motif) {
    SaveGlyph(WithDisabled(RenderGlyph(w, h, key, motif), key), key, dir + "/" + name);
}

}  // namespace

void WriteGlyphs(const QString& out) {
    const QString dir = out + "/glyphs";
    // Tool bar.
    Single(dir, "newgame.png", 18, 18, kKeyOlive, PaintBomb);
    Pair(dir, "restart.png", 18, 18, kKeyOlive, PaintUTurnArrow);
    Pair(dir, "load.png", 18, 18, kKeyOlive, [](QPainter& p) { PaintFloppy(p, true); });
    Pair(dir, "save.png", 18, 18, kKeyOlive, [](QPainter& p) { PaintFloppy(p, false); });
    Single(dir, "pause.png", 18, 18, kKeyOlive, PaintCup);
    Pair(dir, "sound.png", 16, 16, kKeyOlive, PaintLoudspeaker);
    Single(dir, "exit.png", 18, 18, kKeyOlive, [](QPainter& p) { PaintDoor(p, QColor(0x18, 0x22, 0x78)); });
    Single(dir, "tongue.png", 15, 15, kKeyOlive, PaintLips);
    Single(dir, "rules.png", 18, 18, kKeyOlive, [](QPainter& p) {
        PaintLetterBall(p, QColor(0xD8, 0x14, 0x14), QString::fromUtf8("\u00A7"), kSerifBold, 14.0);
    });
    Single(dir, "info.png", 18, 18, kKeyOlive, [](QPainter& p) {
        PaintLetterBall(p, QColor(0x1C, 0x3C, 0xD8), "i", kSerifBoldDejaVu, 13.5);
    });
    Single(dir, "wumple.png", 26, 20, kKeyOlive, PaintWumpleBadge);
    // Level bar.
    Pair(dir, "sup.png", 13, 13, kKeyOlive, [](QPainter& p) { PaintTriangle(p, true); });
    Pair(dir, "sdown.png", 13, 13, kKeyOlive, [](QPainter& p) { PaintTriangle(p, false); });
    // Dialogs.
    Single(dir, "dlg_bomb.png", 18, 18, kKeyOlive, PaintBomb);
    Pair(dir, "dlg_restart_yes.png", 18, 18, kKeyOlive, PaintBendingArrow);
    Pair(dir, "dlg_restart_no.png", 18, 18, kKeyOlive, PaintRedCross);
    Single(dir, "dlg_door.png", 18, 18, kKeyOlive, [](QPainter& p) { PaintDoor(p, QColor(0x20, 0x48, 0xC0)); });
    Single(dir, "dlg_smile.png", 17, 17, kKeyOlive, [](QPainter& p) {
        PaintFace(p, QColor(0xFF, 0xE0, 0x10), true);
    });
    Single(dir, "dlg_frown.png", 17, 17, kKeyOlive, [](QPainter& p) {
        PaintFace(p, QColor(0x40, 0xC8, 0x30), false);
    });
    Single(dir, "dlg_cancel.png", 18, 18, kKeyOlive, PaintCancelX);
    Pair(dir, "check.png", 18, 18, kKeyOlive, PaintCheckMark);
    // Language dialog.
    Single(dir, "flags_en.png", 53, 20, kKeyOlive, PaintFlagsEnglish);
    Single(dir, "flags_de.png", 80, 20, kKeyOlive, PaintFlagsGerman);
}

}  // namespace artgen
