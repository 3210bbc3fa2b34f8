// The help system of the game: the hook that takes over the application's help requests and
// shows the asked-for topic of the help file in the viewer, the calls behind it, the error
// messages, and the set-up and release of the help units with their diagnostic log.
//
// The program's entry calls HelpUnitsInitialise once its QApplication exists and
// HelpUnitsFinalise before it ends. The main window creates one THookHelpSystem for
// "<program directory>slcy.rcc" and asks for a topic with HelpContext (hh.h).
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "hh.h"

namespace slcy {

// The compiled help file, in the program directory.
inline constexpr const char* kHelpFileName = "slcy.rcc";

// How topics are shown: 0 our viewer; 1 and 2 outside viewer programs, which this platform
// does not have.
inline constexpr int kHostViewer = 0;
inline constexpr int kHostKeyHH = 1;
inline constexpr int kHostHH = 2;

// The result codes of ShowContext and HHHelpContext.
inline constexpr int HH_ERR_AllOK = 0;
inline constexpr int HH_ERR_HHNotInstalled = 1;
inline constexpr int HH_ERR_KeyHHexeNotFound = 2;
inline constexpr int HH_ERR_HHexeNotFound = 3;
inline constexpr int HH_ERR_Other = -1;

class THookHelpSystem {
  public:
    using ContextCallback = std::function<void(int context)>;
    using PopupCallback = std::function<void(int context, int x, int y)>;

    // Saves the application's help handler and installs HelpHook in its place.
    THookHelpSystem(const QString& helpFile, const QString& windowDefinition, int hostType);
    // Closes the viewer (host type 0) and gives the application its old handler back.
    ~THookHelpSystem();
    THookHelpSystem(const THookHelpSystem&) = delete;
    THookHelpSystem& operator=(const THookHelpSystem&) = delete;

    // One help request of the application. Clears callHelp for the requests it serves and
    // sets it for the others; gives true unless a chained old handler says otherwise.
    bool HelpHook(unsigned command, int data, bool& callHelp);

    THelpEvent PreviousHandler;
    QString HelpFile;
    QString WindowDefinition;
    int HostType;
    QPoint PopupPos;
    ContextCallback OnContext;  // when set, shows the topics instead of the viewer
    PopupCallback OnPopup;      // when set, shows the popups instead of the viewer
    bool ChainHelp = false;     // when set, the old handler sees every request first
    QWidget* Owner = nullptr;   // the window the viewer opens beside; nullptr: the desktop
};

// The rules topic for the game's language: 1 (German) for language 1, 2 (English) otherwise.
int RulesContext(int language);

// The name of an application help command for the log: "HELP_CONTEXT (1)", "?? (99)".
QString HelpCommandName(unsigned command);

// Shows the topic with this context number: cleans the file and window names up and hands
// them on to ShowContext. Gives ShowContext's result.
int HHHelpContext(const QString& helpFile, int context, const QString& windowDefinition,
                  int hostType, QWidget* owner = nullptr);
// Shows a topic of a file reference ("file" or "file>window") in the viewer of the host type,
// beside `owner` (nullptr: wherever the viewer is).
int ShowContext(const QString& reference, int context, int hostType, QWidget* owner = nullptr);

// The text of a result code, empty for 0.
QString HHErrorText(int code);
// Tells the player about a failed request; nothing for 0.
void HHShowError(int code);

// Closes every viewer window.
void HHCloseAll();

// Writes a message into the diagnostic log, when it is on.
void DebugOut(const QString& message);

// At program start, once the QApplication exists: sets the viewer library up, runs the
// installed test, and sets the diagnostic log up (deleting an old one, writing the header when
// it is on). `arguments` as the program got them, the program itself first.
void HelpUnitsInitialise(const QString& programDirectory, const QStringList& arguments);
// At program end, before the QApplication goes: closes the viewer and the log.
void HelpUnitsFinalise();

// What the installed test found.
bool HHInstalled();
QString HHVersion();
// The log's file, empty before the set-up.
QString DebugLogFileName();

}  // namespace slcy
