// artgen: draws every picture of the game from code and fixed seeds, and writes them as the
// files the game loads. Running it twice gives the same bytes.
#include <QFile>
#include <QGuiApplication>

#include "AssetPaths.h"
#include "Lettering.h"
#include "Output.h"
#include "Sheets.h"
#include "command_line.h"

namespace {

const QString kTool = QStringLiteral("artgen");

QString Under(const QString& out, const std::string& file) {
    return out + "/" + QString::fromStdString(file);
}

std::array<QImage, 6> MakeSheets(int scale) {
    using namespace artgen;
    return {
        MakePieceSheet(scale),      MakeDecorSheet(scale),      MakeWetMarkerStrip(scale),
        MakeBoardBackground(scale), MakeLevelDigitStrip(scale), MakeTimeDigitStrip(scale),
    };
}

void WriteFontChecksums(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(artgen::FontChecksums()) < 0)
        slcy::tools::Die(kTool, QStringLiteral("cannot write %1").arg(path));
}

}  // namespace

int main(int argc, char** argv) {
    slcy::tools::CommandLine commandLine(
        kTool, QStringLiteral("[--out DIR] [--preview-board FILE [--only-preview]]"),
        QStringLiteral("Draws the sprite sheets, icons, button glyphs and pictures of the game,\n"
                       "each also at twice its size (name@2x.png) for screens that scale by 2,\n"
                       "and records the checksums of the fonts they were lettered with."));
    const QCommandLineOption outOption(
        QStringLiteral("out"),
        QStringLiteral("Write everything under DIR: DIR/sprites, DIR/icons, DIR/glyphs, "
                       "DIR/pictures and DIR/fonts.sha256."),
        QStringLiteral("DIR"), QStringLiteral("assets"));
    const QCommandLineOption previewOption(
        QStringLiteral("preview-board"),
        QStringLiteral("Also write a sample board drawn from the sheets the way the game "
                       "draws it, at twice its size, to FILE (PNG)."),
        QStringLiteral("FILE"));
    const QCommandLineOption onlyPreviewOption(
        QStringLiteral("only-preview"),
        QStringLiteral("With --preview-board: write nothing else."));
    for (const auto& option : {outOption, previewOption, onlyPreviewOption})
        commandLine.Add(option);
    commandLine.Parse(argc, argv);
    const QString out = commandLine.Value(outOption);
    const QString preview = commandLine.Value(previewOption);

    // Headless: the pictures never need a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    using namespace artgen;
    using namespace slcy::assets;

    // First, so that a missing font is on record even though the lettering then fails.
    if (!commandLine.IsSet(onlyPreviewOption)) WriteFontChecksums(Under(out, kFontChecksums));

    // The sample board is drawn from the 1x sheets, as the game draws it at 1x.
    if (commandLine.IsSet(onlyPreviewOption)) {
        if (!preview.isEmpty()) SaveRgb(ComposePreviewBoard(MakeSheets(1)), preview);
        return 0;
    }
    for (int scale : kArtScales) {
        const std::array<QImage, 6> sheets = MakeSheets(scale);
        if (scale == 1 && !preview.isEmpty()) SaveRgb(ComposePreviewBoard(sheets), preview);
        auto file = [&](const std::string& resource) {
            return Under(out, FileOf(AtScale(resource, scale)));
        };
        // The four true-colour sheets, then the two palette strips.
        for (int n = 0; n < 4; ++n) SaveRgb(sheets[n], file(kSpriteSheets[n].Path));
        for (int n = 4; n < 6; ++n) SaveIndexed(sheets[n], file(kSpriteSheets[n].Path));
        WriteGlyphs(out, scale);
        WritePictures(out, scale);
        SaveIndexed(MakeWindowIcon(scale), Under(out, FileOf(WindowIconPath(scale))));
    }
    for (int size : kIconSizes) {
        if (size != kWindowIconSize)
            SaveArgb(MakeDesktopIcon(size), Under(out, FileOf(IconPath(size))));
    }
    return 0;
}
