#include "progress_messages.h"

namespace slcy {

namespace {
QString Pick(bool german, const char* germanText, const char* englishText) {
    return QString::fromUtf8(german ? germanText : englishText);
}
}  // namespace

QString OverwriteQuestion(bool german, const QString& name) {
    return Pick(german, "Spiel ", "Game ") + name +
           Pick(german, " existiert bereits. Überschreiben?", " already existing. Overwrite?");
}

QString SaveErrorMessage(bool german, const QString& name) {
    return Pick(german, "Kann Spiel ", "Cannot save game ") + name +
           Pick(german, " nicht speichern. Datenträger voll oder nicht beschreibbar.",
                ". Drive full or not writable.");
}

QString LoadErrorMessage(bool german, const QString& path) {
    // "occured" is how the game has always spelt it.
    return Pick(german, "Fehler beim Laden des Spiels ", "Error occured while loading file ") +
           path + QStringLiteral("!");
}

}  // namespace slcy
