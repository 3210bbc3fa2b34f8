#include "texts.h"

#include <QFileInfo>

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

}  // namespace slcy
