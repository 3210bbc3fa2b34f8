// The session bus, where none can be found.
//
// The screen readers' bridge asks for the session bus when it is made. Where the environment
// names no bus and the user has no bus socket, the bus library forks a process that looks for
// dbus-launch, first in the library's own directory and then along PATH, and the start waits
// for it: milliseconds, and after the fork every page the program writes again is copied. Where
// no dbus-launch is installed the search cannot succeed, and the bus library is told so first.
#pragma once

namespace slcy {

// Whether the bus library could reach a session bus: one named in the environment, the user's
// bus socket, or a dbus-launch it could run to find or start one.
bool SessionBusMayBeFound();

// Where no session bus may be found, names one the bus library refuses at once, and returns
// true; the bridge then starts without a bus, as it would after the search. Call before any
// other thread runs, and take the name back with ClearRefusedSessionBus() once the bus has
// been asked for and no other thread reads the environment, so that programs the game starts
// later get the environment as it was given.
bool NameRefusedSessionBusIfNoneMayBeFound();
void ClearRefusedSessionBus();

}  // namespace slcy
