// artgen: draws every picture of the game from code and fixed seeds, and writes them as the
// files the game loads. Running it twice gives the same bytes.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <string>

#include "Output.h"
#include "Sheets.h"

namespace {

constexpr const char* kUsage =
    "Usage: artgen [--out DIR] [--preview-board FILE [--only-preview]]\n"
    "\n"
    "Draws the sprite sheets, icons, button glyphs and pictures of the game.\n"
    "\n"
    "  --out DIR             write everything under DIR (default: assets):\n"
    "                        DIR/sprites, DIR/icons, DIR/glyphs, DIR/pictures\n"
    "  --preview-board FILE  also write a sample board composed from the sheets the way\n"
    "                        the game draws it, at twice its size, to FILE (PNG)\n"
    "  --only-preview        with --preview-board: write nothing else\n"
    "  --help                show this text\n";

}  // namespace

int main(int argc, char** argv) {
    // Headless: the pictures never need a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QString out = "assets";
    QString preview;
    bool onlyPreview = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--out" && i + 1 < argc) {
            out = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == "--preview-board" && i + 1 < argc) {
            preview = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == "--only-preview") {
            onlyPreview = true;
        } else {
            std::fprintf(stderr, "artgen: unknown argument '%s'\n\n%s", argv[i], kUsage);
            return 2;
        }
    }
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    using namespace artgen;

    const QImage pieces = MakePieceSheet();
    const QImage decor = MakeDecorSheet();
    const QImage markers = MakeWetMarkerStrip();
    const QImage background = MakeBoardBackground();
    if (!preview.isEmpty()) SaveRgb(ComposePreviewBoard(pieces, decor, markers, background), preview);
    if (onlyPreview) return 0;

    const QString sprites = out + "/sprites/";
    SaveRgb(pieces, sprites + "pieces.png");
    SaveRgb(decor, sprites + "decor.png");
    SaveRgb(markers, sprites + "wetmarkers.png");
    SaveRgb(background, sprites + "background.png");
    SaveIndexed(MakeLevelDigitStrip(), sprites + "leveldigits.png");
    SaveIndexed(MakeTimeDigitStrip(), sprites + "timedigits.png");
    WriteGlyphs(out);
    WritePictures(out);
    SaveIndexed(MakeIcon(32), out + "/icons/slcy2_4-32.png");
    for (int size : {48, 64, 128, 256}) {
        SaveArgb(MakeIcon(size), out + QString("/icons/slcy2_4-%1.png").arg(size));
    }
    return 0;
}
