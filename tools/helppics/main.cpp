// helppics: cuts the pictures of the help pages out of the game's art.
//
//   helppics --art DIR --out DIR [--qrc FILE]
//   helppics --pieces pieces.png --markers wetmarkers.png --glyphs DIR --out DIR [--qrc FILE]
//
// Writes piece1.png .. piece5.png (each kind at rest), dry.png and wet.png (a bend without and
// with water), flow_before.png and flow_after.png (a short pipe before and after a left click
// on its tee) and btn_<glyph>.png for every tool bar and level bar glyph, each also at twice
// the size (piece1@2x.png, ...) from the 2x art beside the named 1x files, for the viewer on a
// screen that scales by 2; with --qrc, also a resource list of them all under "pics/". The
// output depends on the input only.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QStringList>

#include "AssetPaths.h"
#include "board.h"
#include "board_layout.h"
#include "command_line.h"
#include "pictures.h"

using namespace slcy;
using namespace slcy::helppics;

namespace {

const QString kTool = QStringLiteral("helppics");

// Writes the pictures and remembers their names for the resource list.
class PictureFolder {
  public:
    explicit PictureFolder(const QString& path) : dir_(path) {
        if (!dir_.mkpath(QStringLiteral(".")))
            tools::Die(kTool, QStringLiteral("cannot make %1").arg(dir_.path()));
    }

    void Save(const QImage& picture, const QString& name) {
        if (!picture.save(dir_.filePath(name), "PNG"))
            tools::Die(kTool, QStringLiteral("cannot write into %1").arg(dir_.path()));
        names_ << name;
    }

    // A Qt resource collection of every picture written, each under "pics/<name>".
    void WriteResourceList(const QString& path) const {
        QString text = QStringLiteral("<RCC>\n <qresource prefix=\"/\">\n");
        for (const QString& name : names_)
            text += QStringLiteral("  <file alias=\"pics/%1\">%2</file>\n")
                        .arg(name, QDir(dir_.absolutePath()).filePath(name));
        text += QStringLiteral(" </qresource>\n</RCC>\n");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
            tools::Die(kTool, QStringLiteral("cannot write %1").arg(path));
    }

  private:
    QDir dir_;
    QStringList names_;
};

// Reads a picture in plain pixels: Qt marks one read from a file named "@2x" as made for a
// device pixel ratio of 2, and would then draw it at half its size.
QImage ReadPixels(const QString& file) {
    QImage image(file);
    image.setDevicePixelRatio(1);
    return image;
}

QImage ReadSheet(const QString& file, const assets::SheetFile& sheet, int scale) {
    QImage image = ReadPixels(file);
    if (image.size() != QSize(sheet.Width, sheet.Height) * scale)
        tools::Die(kTool, QStringLiteral("cannot read a %1 x %2 %3")
                              .arg(sheet.Width * scale)
                              .arg(sheet.Height * scale)
                              .arg(file));
    return image;
}

// The name at a scale: "piece1.png" at 2 is "piece1@2x.png".
QString AtScale(const QString& name, int scale) {
    return QString::fromStdString(assets::AtScale(name.toStdString(), scale));
}

// Where an input is: as named by its option, or else where the game's table puts it in the art
// folder. `inArt` is its path below that folder; a folder option names the folder of the file.
QString Input(const tools::CommandLine& commandLine, const QCommandLineOption& option,
              bool namesFolder, const QCommandLineOption& art, const std::string& inArt) {
    const QString relative = QString::fromStdString(inArt);
    if (commandLine.IsSet(option)) {
        const QString given = commandLine.Value(option);
        return namesFolder ? QDir(given).filePath(QFileInfo(relative).fileName()) : given;
    }
    if (!commandLine.IsSet(art))
        commandLine.Fail(QStringLiteral("--%1 or --art is missing").arg(option.names()[0]));
    return QDir(commandLine.Value(art)).filePath(relative);
}

}  // namespace

int main(int argc, char* argv[]) {
    tools::CommandLine commandLine(
        kTool,
        QStringLiteral("--art DIR --out DIR [--qrc FILE]\n"
                       "       helppics --pieces FILE --markers FILE --glyphs DIR --out DIR "
                       "[--qrc FILE]"),
        QStringLiteral("Cuts the pictures of the help pages out of the game's art."));
    const QCommandLineOption artOption(
        QStringLiteral("art"),
        QStringLiteral("The game's art folder, where the inputs not named otherwise are taken "
                       "from."),
        QStringLiteral("DIR"));
    const QCommandLineOption piecesOption(QStringLiteral("pieces"),
                                          QStringLiteral("The piece sheet (432 x 180)."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption markersOption(QStringLiteral("markers"),
                                           QStringLiteral("The wet-marker strip (96 x 12)."),
                                           QStringLiteral("FILE"));
    const QCommandLineOption glyphsOption(QStringLiteral("glyphs"),
                                          QStringLiteral("The folder of the glyphs."),
                                          QStringLiteral("DIR"));
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("The folder for the pictures."),
                                       QStringLiteral("DIR"));
    const QCommandLineOption qrcOption(
        QStringLiteral("qrc"), QStringLiteral("Also write a resource list of the pictures here."),
        QStringLiteral("FILE"));
    for (const auto& option :
         {artOption, piecesOption, markersOption, glyphsOption, outOption, qrcOption})
        commandLine.Add(option);
    commandLine.Parse(argc, argv);
    if (!commandLine.IsSet(outOption)) commandLine.Fail(QStringLiteral("--out is missing"));
    const auto input = [&](const QCommandLineOption& option, bool namesFolder,
                           const std::string& inArt) {
        return Input(commandLine, option, namesFolder, artOption, inArt);
    };

    PictureFolder out(commandLine.Value(outOption));
    for (int scale : assets::kArtScales) {
        // The 2x inputs lie beside the 1x ones, named with "@2x"; so do the 2x pictures.
        const auto inputAt = [&](const QCommandLineOption& option, bool namesFolder,
                                 const std::string& inArt) {
            return AtScale(input(option, namesFolder, inArt), scale);
        };
        const auto save = [&](const QImage& picture, const QString& name) {
            out.Save(picture, AtScale(name, scale));
        };
        const QImage pieces =
            ReadSheet(inputAt(piecesOption, false, assets::FileOf(assets::kPieceSheet.Path)),
                      assets::kPieceSheet, scale);
        const QImage markers =
            ReadSheet(inputAt(markersOption, false, assets::FileOf(assets::kWetMarkerStrip.Path)),
                      assets::kWetMarkerStrip, scale);

        for (int kind = kEndPiece; kind <= kCross; ++kind)
            save(RestingPiece(pieces, kind, 0), QStringLiteral("piece%1.png").arg(kind));
        save(RestingPiece(pieces, kBend, 0), QStringLiteral("dry.png"));
        save(WetPiece(RestingPiece(pieces, kBend, 0), markers), QStringLiteral("wet.png"));

        // An end piece feeds a straight pipe and a tee. The tee opens up, left and down, so the
        // last pipe stays dry; a left click turns the tee a quarter anticlockwise, its openings
        // now point left, down and right, and the water reaches the last pipe.
        const auto wet = [&](int kind, int orientation) {
            return WetPiece(RestingPiece(pieces, kind, orientation), markers);
        };
        save(Row({wet(kEndPiece, 0), wet(kStraight, 0), wet(kTee, 1),
                  RestingPiece(pieces, kStraight, 0)}),
             QStringLiteral("flow_before.png"));
        save(Row({wet(kEndPiece, 0), wet(kStraight, 0), wet(kTee, 2), wet(kStraight, 0)}),
             QStringLiteral("flow_after.png"));

        // The pages explain the buttons of the tool bar and the level bar.
        for (const assets::Glyph& g : assets::kGlyphs) {
            if (g.Place != assets::GlyphPlace::ToolBar && g.Place != assets::GlyphPlace::LevelBar)
                continue;
            const QString file =
                inputAt(glyphsOption, true, assets::FileOf(assets::GlyphPath(g.Name)));
            const QImage glyph = ReadPixels(file);
            if (glyph.isNull()) tools::Die(kTool, QStringLiteral("cannot read %1").arg(file));
            save(GlyphPicture(glyph, g.Images),
                 QStringLiteral("btn_%1.png").arg(QLatin1String(g.Name)));
        }
    }
    if (commandLine.IsSet(qrcOption)) out.WriteResourceList(commandLine.Value(qrcOption));
    return 0;
}
