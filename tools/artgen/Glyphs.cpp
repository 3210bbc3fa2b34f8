// Writes every button glyph of the table in assets/AssetPaths.h: the tool bar, the level bar,
// the dialogs and the language flags. The table gives each glyph's size and images; here each
// name gets its motif.
#include <map>
#include <string_view>

#include "AssetPaths.h"
#include "Glyph.h"
#include "GlyphMotifs.h"
#include "Lettering.h"
#include "Sheets.h"
#include "command_line.h"

namespace artgen {
namespace {

// The motifs for glyphs drawn at `scale`: a few show more detail where they have the pixels.
std::map<std::string_view, Motif> Motifs(int scale) {
    return {
        // Tool bar.
        {"newgame", PaintBomb},
        {"restart", PaintUTurnArrow},
        {"load", [](QPainter& p) { PaintFloppy(p, true); }},
        {"save", [](QPainter& p) { PaintFloppy(p, false); }},
        {"pause", PaintCup},
        {"sound", PaintLoudspeaker},
        {"exit", [](QPainter& p) { PaintDoor(p, QColor(0x18, 0x22, 0x78)); }},
        {"tongue", PaintLips},
        {"rules",
         [](QPainter& p) {
             PaintLetterBall(p, QColor(0xD8, 0x14, 0x14), QString::fromUtf8("\u00A7"), kSerifBold,
                             14.0);
         }},
        {"info",
         [](QPainter& p) {
             PaintLetterBall(p, QColor(0x1C, 0x3C, 0xD8), "i", kSerifBoldDejaVu, 13.5);
         }},
        {"wumple", [scale](QPainter& p) { PaintWumpleBadge(p, scale); }},
        // Level bar.
        {"sup", [](QPainter& p) { PaintTriangle(p, true); }},
        {"sdown", [](QPainter& p) { PaintTriangle(p, false); }},
        // Dialogs.
        {"dlg_bomb", PaintBomb},
        {"dlg_restart_yes", PaintBendingArrow},
        {"dlg_restart_no", PaintRedCross},
        {"dlg_door", [](QPainter& p) { PaintDoor(p, QColor(0x20, 0x48, 0xC0)); }},
        {"dlg_smile", [](QPainter& p) { PaintFace(p, QColor(0xFF, 0xE0, 0x10), true); }},
        {"dlg_frown", [](QPainter& p) { PaintFace(p, QColor(0x40, 0xC8, 0x30), false); }},
        {"dlg_cancel", PaintCancelX},
        {"check", PaintCheckMark},
        // Language dialog.
        {"flags_en", [scale](QPainter& p) { PaintFlagsEnglish(p, scale); }},
        {"flags_de", PaintFlagsGerman},
    };
}

}  // namespace

void WriteGlyphs(const QString& out, int scale) {
    const std::map<std::string_view, Motif> motifs = Motifs(scale);
    for (const slcy::assets::Glyph& g : slcy::assets::kGlyphs) {
        const auto motif = motifs.find(g.Name);
        if (motif == motifs.end())
            slcy::tools::Die(
                QStringLiteral("artgen"),
                QStringLiteral("no motif for the glyph %1").arg(QLatin1String(g.Name)));
        QImage glyph = RenderGlyph(g.Width, g.Height, kKeyOlive, motif->second, scale);
        if (g.Images == 2) glyph = WithDisabled(glyph, kKeyOlive, scale);
        const std::string file = slcy::assets::FileOf(slcy::assets::GlyphPath(g.Name, scale));
        SaveGlyph(glyph, kKeyOlive, g.Images, out + "/" + QString::fromStdString(file));
    }
}

}  // namespace artgen
