// Sluicery 2.4: the program's entry. The windows are created one after the other, the main
// window first: every dialog copies the main window's icon when it is made.
#include <csignal>

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include "Allsolvd.h"
#include "Endgame.h"
#include "Giveup.h"
#include "hh_funcs.h"
#include "Infodlg.h"
#include "Main.h"
#include "Restart.h"
#include "Solved.h"
#include "Splasher.h"
#include "Tongdlg.h"
#include "Toslow.h"
#include "windows.h"

using namespace slcy;

namespace {
// For timing the start-up as a whole: with SLCY_QUIT_AFTER_FIRST_PAINT set, the program ends
// as soon as the board has been painted for the first time.
class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        return false;
    }
};
}  // namespace

int main(int argc, char* argv[]) {
    // A write beyond the file-size limit (ulimit -f) would end the program by this signal;
    // ignored, the write fails with EFBIG and the player is told the file cannot be saved.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sluicery"));

    // The program's own files lie beside it; a symbolic link to the program is followed.
    const QString program_directory =
        QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath() + '/';
    HelpUnitsInitialise(program_directory, QCoreApplication::arguments());
    TMainForm main_form(program_directory);
    MainForm = &main_form;
    int& language = main_form.game().Language;
    TSplash splash(&main_form);
    Splash = &splash;
    TEndGameDlg end_game(&main_form, language);
    EndGameDlg = &end_game;
    TInfoDialog info(&main_form, language);
    InfoDialog = &info;
    TRestartDlg restart(&main_form, language);
    RestartDlg = &restart;
    TSolvedDlg solved(&main_form, language);
    SolvedDlg = &solved;
    TTongueDlg tongue(&main_form, language);
    TongueDlg = &tongue;
    TToSlowDlg to_slow(&main_form, language);
    ToSlowDlg = &to_slow;
    TAllSolvedDlg all_solved(&main_form, language);
    AllSolvedDlg = &all_solved;
    TGiveUpDlg give_up(&main_form, language);
    GiveUpDlg = &give_up;

    QuitAfterFirstPaint quit_after_first_paint;
    if (qEnvironmentVariableIsSet("SLCY_QUIT_AFTER_FIRST_PAINT"))
        main_form.box->installEventFilter(&quit_after_first_paint);

    main_form.show();
    const int status = QApplication::exec();
    HelpUnitsFinalise();
    return status;
}
