#include "progress_flow.h"

#include <QDir>
#include <QFileInfo>

#include "progress_file.h"
#include "progress_messages.h"

namespace slcy {

namespace {

// Anything standing at the path counts, a directory too: trying to read or replace it then
// tells the player, instead of passing over it in silence.
bool SomethingAt(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}

}  // namespace

void ReadStartupProgress(Game& game, ProgressPrompts& prompts) {
    game.ProgressTable.fill(0);
    const QString path = QString::fromStdString(game.ProgressPath);
    if (!SomethingAt(path)) return;
    if (const std::optional<ProgressTable> read = ReadProgressFile(path))
        game.ProgressTable = *read;
    else
        prompts.ShowError(LoadErrorMessage(game.German(), path));
}

void SaveProgressFile(Game& game, GameView& view, ProgressPrompts& prompts) {
    const QString current = QString::fromStdString(game.ProgressPath);
    if (SomethingAt(current)) prompts.SaveDlgLast = {FolderPart(current), FileNamePart(current)};

    QString path;
    for (;;) {
        const std::optional<QString> chosen = prompts.AskSavePath(prompts.SaveDlgLast);
        if (!chosen || chosen->isEmpty()) return;
        // A "no" below opens the dialog again with the name just chosen.
        prompts.SaveDlgLast = {FolderPart(*chosen), FileNamePart(*chosen)};
        path = ReplaceExtension(*chosen);
        if (!SomethingAt(path)) break;
        if (prompts.AskOverwrite(OverwriteQuestion(game.German(), FileNamePart(path)))) break;
    }

    // The chosen file becomes the current one even if it cannot be written: the caption names
    // it and the next save proposes it again.
    game.ProgressPath = path.toStdString();
    if (!WriteProgressFile(path, game.ProgressTable))
        prompts.ShowError(SaveErrorMessage(game.German(), FileNamePart(path)));
    view.RefreshCaptionAndGauge();
}

void LoadProgressFile(Game& game, GameView& view, ProgressPrompts& prompts) {
    const QString current = QString::fromStdString(game.ProgressPath);
    QString folder = FolderPart(current);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QString::fromStdString(game.ProgramDirectory);

    const std::optional<QString> chosen = prompts.AskOpenPath(folder);
    if (!chosen || chosen->isEmpty()) return;

    if (SomethingAt(*chosen)) {
        // Read into a table of its own first: the player's results are replaced only by a
        // complete read.
        if (const std::optional<ProgressTable> read = ReadProgressFile(*chosen)) {
            game.ProgressTable = *read;
            game.ProgressPath = chosen->toStdString();
        } else {
            prompts.ShowError(LoadErrorMessage(game.German(), *chosen));
        }
    }
    view.RefreshCaptionAndGauge();
}

}  // namespace slcy
