// helppics: cuts the pictures of the help pages out of the game's art.
//
//   helppics --pieces pieces.png --markers wetmarkers.png --glyphs DIR --out DIR
//
// Writes piece1.png .. piece5.png (each kind at rest), dry.png and wet.png (a bend without and
// with water), flow_before.png and flow_after.png (a short pipe before and after a left click
// on its tee) and btn_<glyph>.png for every tool bar and level bar glyph. The output depends on
// the input only.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <cstdio>

#include "pictures.h"

using namespace slcy::helppics;

namespace {

struct Glyph {
    const char* name;
    int images;  // pictures side by side: the normal look, then the disabled one
};

constexpr Glyph kGlyphs[] = {
    {"newgame", 1}, {"restart", 2}, {"load", 2},   {"save", 2},  {"pause", 1},
    {"sound", 2},   {"exit", 1},    {"tongue", 1}, {"rules", 1}, {"info", 1},
    {"wumple", 1},  {"sup", 2},     {"sdown", 2},
};

enum Kind { End = 1, Bend = 2, Straight = 3, Tee = 4, Cross = 5 };

int Fail(const QString& message) {
    std::fprintf(stderr, "helppics: %s\n", qPrintable(message));
    return 1;
}

bool Save(const QImage& picture, const QDir& out, const QString& name) {
    return picture.save(out.filePath(name), "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Cuts the pictures of the help pages out of the game's art."));
    parser.addHelpOption();
    const QCommandLineOption piecesOption(QStringLiteral("pieces"),
                                          QStringLiteral("The piece sheet (432 x 180)."),
                                          QStringLiteral("file"));
    const QCommandLineOption markersOption(QStringLiteral("markers"),
                                           QStringLiteral("The wet-marker strip (96 x 12)."),
                                           QStringLiteral("file"));
    const QCommandLineOption glyphsOption(QStringLiteral("glyphs"),
                                          QStringLiteral("The folder of the glyphs."),
                                          QStringLiteral("dir"));
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("The folder for the pictures."),
                                       QStringLiteral("dir"));
    parser.addOptions({piecesOption, markersOption, glyphsOption, outOption});
    parser.process(app);
    for (const auto& option : {piecesOption, markersOption, glyphsOption, outOption})
        if (!parser.isSet(option))
            return Fail(QStringLiteral("--%1 is missing (see --help)").arg(option.names()[0]));

    const QImage pieces(parser.value(piecesOption));
    const QImage markers(parser.value(markersOption));
    if (pieces.size() != QSize(12 * kCell, 5 * kCell))
        return Fail(QStringLiteral("cannot read a 432 x 180 piece sheet"));
    if (markers.size() != QSize(8 * kMarker, kMarker))
        return Fail(QStringLiteral("cannot read a 96 x 12 wet-marker strip"));
    QDir out(parser.value(outOption));
    if (!out.mkpath(QStringLiteral(".")))
        return Fail(QStringLiteral("cannot make %1").arg(out.path()));

    bool ok = true;
    for (int kind = End; kind <= Cross; ++kind)
        ok &= Save(RestingPiece(pieces, kind, 0), out, QStringLiteral("piece%1.png").arg(kind));
    ok &= Save(RestingPiece(pieces, Bend, 0), out, QStringLiteral("dry.png"));
    ok &= Save(WetPiece(RestingPiece(pieces, Bend, 0), markers), out, QStringLiteral("wet.png"));

    // An end piece feeds a straight pipe and a tee. The tee opens up, left and down, so the
    // last pipe stays dry; a left click turns the tee a quarter anticlockwise, its openings
    // now point left, down and right, and the water reaches the last pipe.
    const auto wet = [&](int kind, int orientation) {
        return WetPiece(RestingPiece(pieces, kind, orientation), markers);
    };
    ok &= Save(Row({wet(End, 0), wet(Straight, 0), wet(Tee, 1), RestingPiece(pieces, Straight, 0)}),
               out, QStringLiteral("flow_before.png"));
    ok &= Save(Row({wet(End, 0), wet(Straight, 0), wet(Tee, 2), wet(Straight, 0)}), out,
               QStringLiteral("flow_after.png"));

    const QDir glyphs(parser.value(glyphsOption));
    for (const Glyph& g : kGlyphs) {
        const QString file = glyphs.filePath(QLatin1String(g.name) + QStringLiteral(".png"));
        const QImage glyph(file);
        if (glyph.isNull()) return Fail(QStringLiteral("cannot read %1").arg(file));
        ok &= Save(GlyphPicture(glyph, g.images), out,
                   QStringLiteral("btn_%1.png").arg(QLatin1String(g.name)));
    }
    if (!ok) return Fail(QStringLiteral("cannot write into %1").arg(out.path()));
    return 0;
}
