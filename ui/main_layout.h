// The main window's controls, under the names the game has always used: where each stands, how
// it looks, and its hint or caption in both languages. One table gives all of it; the window
// is built from it once, and its texts are set from it whenever the language is applied.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QWidget>
#include <vector>

#include "board_drawing.h"
#include "widgets/board_box.h"
#include "widgets/click_label.h"
#include "widgets/gauge.h"
#include "widgets/level_scroll.h"
#include "widgets/paint_box.h"
#include "widgets/speed_button.h"

namespace slcy {

// The client area: the tool bar above the board area.
inline constexpr int kToolBarHeight = 33;
inline constexpr int kClientWidth = kBoardWidth;
inline constexpr int kClientHeight = kToolBarHeight + kBoardHeight;

struct MainWindowControls {
    QFrame* ToolPanel;
    SpeedButton* NewGameBtn;
    SpeedButton* RestartBtn;
    SpeedButton* LoadBtn;
    SpeedButton* SaveBtn;
    SpeedButton* PauseBtn;
    SpeedButton* SoundBtn;
    SpeedButton* ExitBtn;
    QFrame* Bevel2;
    QWidget* Shape1;
    QLabel* levellabel;
    PaintBox* levelbox;
    QFrame* Bevel1;
    QWidget* tim;
    QLabel* TimeLabel;
    PaintBox* timbox;
    SpeedButton* TongueBtn;
    SpeedButton* RulesBtn;
    SpeedButton* InfoBtn;
    SpeedButton* WumpleBtn;
    BoardBox* box;
    SolvedGauge* gsol;
    ClickLabel* PauseText;
    QWidget* ScrollPanel;
    SpeedButton* sUpBtn;
    LevelScrollBar* LevelScroll;
    SpeedButton* sDownBtn;

    // Every hint and caption that follows the language, as the table gave it.
    struct BilingualText {
        QWidget* control;
        bool caption;  // a label's caption; otherwise the control's hint and accessible name
        const char* german;
        const char* english;
        const char* key = nullptr;  // the key that presses the control, for its description
    };
    std::vector<BilingualText> texts;
};

// Makes every control on `window` (client area 500 x 366) with the pictures of `drawing`, and
// the keys that press the tool bar's buttons while the window is active.
void BuildMainWindow(QWidget& window, MainWindowControls& controls, const BoardDrawing& drawing);

// Sets every hint and caption of the table in `language`; a control's hint is also its
// accessible name, and its key its accessible description.
void ApplyMainWindowTexts(const MainWindowControls& controls, int language);

// Loads the font of every caption on the screen and draws its letters once, off the screen, so
// that the window's next paint finds them ready: the first lettering of a run opens and reads
// the font file and renders each letter.
void PrepareCaptionLettering(const MainWindowControls& controls);

}  // namespace slcy
