// Sluicery 2.4: the program's entry. The windows are made one after the other, the main
// window first (window_registry.h), then the message loop runs until the main window closes.
#include <csignal>

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include "CompiledArtPages.h"
#include "Main.h"
#include "hh_funcs.h"
#include "stall_probe.h"
#include "window_registry.h"

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
    int status = 0;
    {
        WindowRegistry windows;
        TMainForm& main_form = windows.CreateMainWindow(program_directory);
        windows.CreateDialogs();
        assets::ReleaseCompiledArtPages();

        QuitAfterFirstPaint quit_after_first_paint;
        if (qEnvironmentVariableIsSet("SLCY_QUIT_AFTER_FIRST_PAINT"))
            main_form.box->installEventFilter(&quit_after_first_paint);

        StartStallProbeIfAsked();  // its first gap is the main window's showing
        main_form.show();
        status = QApplication::exec();
    }
    HelpUnitsFinalise();
    return status;
}
