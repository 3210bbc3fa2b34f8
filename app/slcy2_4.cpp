// Sluicery 2.4: the program's entry. The main window is made and shown; the dialogs follow
// when first needed (window_registry.h); the message loop runs until the main window closes.
#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <QApplication>
#include <QDBusConnection>
#include <QFileInfo>
#include <QFontDatabase>
#include <csignal>
#include <latch>
#include <thread>

#include "Main.h"
#include "first_paint.h"
#include "hh_funcs.h"
#include "session_bus.h"
#include "stall_probe.h"
#include "start_heap.h"
#include "window_registry.h"

using namespace slcy;

int main(int argc, char* argv[]) {
    // A write beyond the file-size limit (ulimit -f) would end the program by this signal;
    // ignored, the write fails with EFBIG and the player is told the file cannot be saved.
    std::signal(SIGXFSZ, SIG_IGN);
    // The program's few threads allocate little: one heap for all of them, rather than an
    // arena of its own for each thread that ever allocated, keeps what was freed for reuse.
    mallopt(M_ARENA_MAX, 1);
    PopulateStartHeap();
    // Where no session bus can be found, the bus library would fork to look for one when the
    // bus is first asked for (session_bus.h); it is told so while one thread runs.
    const bool no_session_bus = NameRefusedSessionBusIfNoneMayBeFound();
    // Connecting to the window system keeps this thread busy for tens of milliseconds; the
    // fonts are made ready on another core meanwhile. The first lettering would otherwise read
    // the font configuration and then list every font of the system, on this thread, just
    // before the first paint; the list needs the application, and the main window is being
    // built while it is made.
    // The screen readers' bridge, made when the window's making first tells it something,
    // connects to the session bus before it returns: round trips to the bus, mostly waiting.
    // The other thread connects first, so that the making finds the bus connected.
    std::latch application_made(1);
    std::jthread fonts([&application_made] {
        FcInit();
        application_made.wait();
        QDBusConnection::sessionBus();
        QFontDatabase::families();
    });
    QApplication app(argc, argv);
    application_made.count_down();
    QApplication::setApplicationName(QStringLiteral("Sluicery"));

    // The program's own files lie beside it; a symbolic link to the program is followed.
    const QString program_directory =
        QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath() + '/';
    HelpUnitsInitialise(program_directory, QCoreApplication::arguments());
    int status = 0;
    {
        WindowRegistry windows;
        TMainForm& main_form = windows.CreateMainWindow(program_directory);
        fonts.join();
        if (no_session_bus) ClearRefusedSessionBus();  // the bus was looked for; one thread reads
        // Where no bus was known but dbus-launch is installed, the bus library forked a process
        // to find one, and after a fork every page of the heap written again is a trip into the
        // kernel of its own: the heap is made the program's own again in one call.
        RepopulateHeap();
        QuitAfterFirstPaintIfAsked(main_form.box);

        StartStallProbeIfAsked();  // its first gap is the main window's showing
        main_form.show();
        status = QApplication::exec();
    }
    HelpUnitsFinalise();
    return status;
}
