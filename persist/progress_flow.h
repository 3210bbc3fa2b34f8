// Reading the current progress file at start-up, and the save and load that the player starts
// from the tool bar (and the save offered when the window closes). The dialogs and message
// boxes are behind ProgressPrompts, so the flow runs the same against a test's scripted answers.
//
// The player's results are never lost by a failure: a save goes to a temporary file that
// replaces the earlier one only when it is complete, and a load replaces the table only when
// the whole read succeeded.
#pragma once

#include <QString>
#include <optional>

#include "game.h"
#include "view.h"

namespace slcy {

// Where a file dialog opens: a folder (empty: wherever the dialog likes) and a proposed name.
struct DialogStart {
    QString Folder;
    QString Name;
    bool operator==(const DialogStart&) const = default;
};

class ProgressPrompts {
public:
    virtual ~ProgressPrompts() = default;

    // The save dialog. The chosen full path, or nothing when the player cancelled.
    virtual std::optional<QString> AskSavePath(const DialogStart& start) = 0;
    // "Spiel week1.slv existiert bereits. Überschreiben?": true for "&Ja", false for "&Nein".
    virtual bool AskOverwrite(const QString& question) = 0;
    // The open dialog, in `folder`, proposing no name. Nothing when cancelled.
    virtual std::optional<QString> AskOpenPath(const QString& folder) = 0;
    virtual void ShowError(const QString& text) = 0;

    // Where the save dialog was last left with a choice; it opens there again unless the current
    // progress file exists. Empty before the first save.
    DialogStart SaveDlgLast;
};

// Clears the ProgressTable, then fills it from the file at ProgressPath when one is there. A
// missing file is not an error; one that cannot be read is reported (with its full path)
// and leaves the table all 0. ProgressPath stays as it is.
void ReadStartupProgress(Game& game, ProgressPrompts& prompts);

// Asks where to save (proposing the current file when it exists), replaces the extension by
// ".slv", asks before overwriting ("&Nein" opens the dialog again), makes the chosen file the
// current one and writes the table into it, then refreshes caption and gauge. Cancelling the
// dialog changes nothing. A failed write is reported; any earlier file of that name survives.
void SaveProgressFile(Game& game, GameView& view, ProgressPrompts& prompts);

// Asks for a file (in the current file's folder, or the program's), and when it exists reads
// it into the ProgressTable and makes it the current file; then refreshes caption and gauge.
// Cancelling changes nothing. A failed read is reported and keeps the results the player had.
// The level being played, CurrentLevel and AllSolvedFlag are not touched.
void LoadProgressFile(Game& game, GameView& view, ProgressPrompts& prompts);

}  // namespace slcy
