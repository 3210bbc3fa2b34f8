// The help viewer library as the game sees it, and the application's help routing.
//
// The viewer library is our own help window (help_viewer.h). It is "loaded" at program start
// when a widget application exists to show it in; from then on HtmlHelpA is its one entry
// point and understands two commands: show a topic by its context number, and close every
// viewer window. The application's help routing stands in for what a widget toolkit with a
// help system would do: a help request goes to the installed handler, and only when that
// handler lets it through would the application act on its own (it has nothing of its own).
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace slcy {

// --- Viewer commands.
inline constexpr unsigned HH_HELP_CONTEXT = 15;  // display a topic by its context number
inline constexpr unsigned HH_CLOSE_ALL = 18;     // close every viewer window

// --- Application help commands (the numbers a help request carries).
inline constexpr unsigned HELP_CONTEXT = 1;
inline constexpr unsigned HELP_QUIT = 2;
inline constexpr unsigned HELP_INDEX = 3;  // also HELP_CONTENTS
inline constexpr unsigned HELP_HELPONHELP = 4;
inline constexpr unsigned HELP_SETINDEX = 5;  // also HELP_SETCONTENTS
inline constexpr unsigned HELP_CONTEXTPOPUP = 8;
inline constexpr unsigned HELP_FORCEFILE = 9;
inline constexpr unsigned HELP_CONTEXTMENU = 10;
inline constexpr unsigned HELP_FINDER = 11;
inline constexpr unsigned HELP_WM_HELP = 12;
inline constexpr unsigned HELP_SETPOPUP_POS = 13;
inline constexpr unsigned HELP_KEY = 257;
inline constexpr unsigned HELP_COMMAND = 258;
inline constexpr unsigned HELP_PARTIALKEY = 261;
inline constexpr unsigned HELP_MULTIKEY = 513;
inline constexpr unsigned HELP_SETWINPOS = 515;

// --- The viewer library.

// The viewer call: owner (nullptr = the desktop), file reference ("file" or "file>window"),
// command and its argument. Returns the viewer window it showed, or nullptr.
using HtmlHelpFunc = QWidget* (*)(QWidget* owner, const QString& reference, unsigned command,
                                  quintptr data);

// Set while the library is loaded; nullptr otherwise. Never call it when it is nullptr.
extern HtmlHelpFunc HtmlHelpA;

// Sets the library up: possible only once a QApplication exists. Returns whether it is loaded.
bool LoadHtmlHelp();
// Closes the viewer and clears the entry point.
void UnloadHtmlHelp();
bool HtmlHelpLoaded();

// The installed test: the viewer library's version ("6.4.2.0") when a widget application
// exists to show a viewer in, else empty. The viewer counts as installed when it is not empty.
QString HtmlHelpVersion();

// --- The application's help routing.

// A help handler: gets the command and its argument; clearing callHelp tells the application
// that the request has been dealt with. Its result is the result of the request.
using THelpEvent = std::function<bool(unsigned command, int data, bool& callHelp)>;

// The application's current help handler; empty when none is installed.
extern THelpEvent ApplicationOnHelp;

// A help request: handed to the installed handler. The application has no help of its own,
// so a request nobody handled gives false.
bool HelpCommand(unsigned command, int data);
// The same for HELP_CONTEXT: show the topic with this context number.
bool HelpContext(int context);

}  // namespace slcy
