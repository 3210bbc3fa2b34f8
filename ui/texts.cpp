#include "texts.h"

#include <QFileInfo>
#include <QStringList>

#include "water.h"

namespace slcy {

QString CaptionText(int language, const std::string& progressPath) {
    QString caption = QStringLiteral("Sluicery 2.4");
    if (!progressPath.empty())
        caption += Tr(language, " - Spiel ", " - Game ") +
                   QFileInfo(QString::fromStdString(progressPath)).fileName();
    return caption;
}

QString GaugeHint(int language, int solved, int levelCount) {
    return QString::number(solved) + Tr(language, " von ", " of ") + QString::number(levelCount) +
           Tr(language, " Stufen gelöst", " levels solved");
}

QString LevelHint(int language, int level, bool solved) {
    return Tr(language, "Stufe ", "Level ") + QString::number(level) + ": " +
           (solved ? Tr(language, "gelöst", "solved") : Tr(language, "ungelöst", "unsolved"));
}

QString LevelCounterText(int language, int level, bool solved) {
    return Tr(language, "Stufe ", "Level ") + QString::number(level) + ", " +
           (solved ? Tr(language, "gelöst", "solved") : Tr(language, "nicht gelöst", "not solved"));
}

QString TimeCounterText(int language, int timeLeft) {
    return Tr(language, "Zeit ", "Time ") + QString::number(timeLeft);
}

QString KeyText(int language, const char* key) {
    if (!key) return {};
    QString text = QString::fromLatin1(key);
    if (language == kGerman) text.replace(QStringLiteral("Ctrl"), QStringLiteral("Strg"));
    return Tr(language, "Taste: ", "Key: ") + text;
}

QString BoardName(int language) { return Tr(language, "Spielfeld", "Board"); }

namespace {

QString PieceName(int language, TileCode tile) {
    switch (KindOf(tile)) {
        case kEndPiece: return Tr(language, "Endstück", "end piece");
        case kBend: return Tr(language, "Bogen", "bend");
        case kStraight: return Tr(language, "gerades Rohr", "straight pipe");
        case kTee: return Tr(language, "T-Stück", "tee");
        case kCross: return Tr(language, "Kreuz", "cross");
        default: return Tr(language, "geschlossenes Stück", "closed piece");
    }
}

// The openings clockwise from the top: "Öffnungen oben und rechts" / "openings up and right".
QString OpeningsText(int language, TileCode tile) {
    struct Side {
        Direction direction;
        const char* german;
        const char* english;
    };
    constexpr Side kClockwise[] = {
        {Up, "oben", "up"}, {Right, "rechts", "right"}, {Down, "unten", "down"}, {Left, "links", "left"}};
    QStringList sides;
    for (const Side& side : kClockwise)
        if (Opens(tile, side.direction)) sides << Tr(language, side.german, side.english);
    if (sides.isEmpty()) return Tr(language, "keine Öffnungen", "no openings");
    if (sides.size() == 1) return Tr(language, "Öffnung ", "opening ") + sides.first();
    const QString last = sides.takeLast();
    return Tr(language, "Öffnungen ", "openings ") + sides.join(QStringLiteral(", ")) +
           Tr(language, " und ", " and ") + last;
}

}  // namespace

QString CellText(int language, TileCode tile, bool wet, bool source) {
    QString text = tile == kEmptyCell
                       ? Tr(language, "leer", "empty")
                       : PieceName(language, tile) + ", " + OpeningsText(language, tile) + ", " +
                             (wet ? Tr(language, "nass", "wet") : Tr(language, "trocken", "dry"));
    if (source) text += Tr(language, "; Quelle", "; source");
    return text;
}

}  // namespace slcy
