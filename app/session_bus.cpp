#include "session_bus.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QList>
#include <QtGlobal>

namespace slcy {
namespace {

constexpr const char* kAddressVariable = "DBUS_SESSION_BUS_ADDRESS";
// No transport of that name exists: the bus library fails the connection without a search.
constexpr const char* kRefusedAddress = "disabled:";
// Where the bus library looks for dbus-launch before it searches PATH.
constexpr const char* kLauncherBesideTheLibrary = "/usr/bin/dbus-launch";

bool Runnable(const QByteArray& path) { return ::access(path.constData(), X_OK) == 0; }

bool LauncherOnPath() {
    // With PATH unset, the search takes the C library's default.
    const QByteArray path =
        qEnvironmentVariableIsSet("PATH") ? qgetenv("PATH") : QByteArrayLiteral("/bin:/usr/bin");
    for (QByteArray directory : path.split(':')) {
        if (directory.isEmpty()) directory = ".";
        if (Runnable(directory + "/dbus-launch")) return true;
    }
    return false;
}

// Any file there counts, even a broken link: the bus library decides whether it is a bus.
bool UserBusSocketMayBeThere() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat status {};
    return !runtime.isEmpty() && ::lstat((runtime + "/bus").constData(), &status) == 0;
}

}  // namespace

bool SessionBusMayBeFound() {
    return qEnvironmentVariableIsSet(kAddressVariable) || UserBusSocketMayBeThere() ||
           Runnable(kLauncherBesideTheLibrary) || LauncherOnPath();
}

bool NameRefusedSessionBusIfNoneMayBeFound() {
    if (SessionBusMayBeFound()) return false;
    qputenv(kAddressVariable, kRefusedAddress);
    return true;
}

void ClearRefusedSessionBus() { qunsetenv(kAddressVariable); }

}  // namespace slcy
