// Whether a session bus may be found, as the bus library would look for one; where none may,
// the address it refuses at once is named for the screen readers' bridge, and taken back.
#include "session_bus.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

namespace slcy {
namespace {

struct Place {
    const char* what;
    const char* address;      // DBUS_SESSION_BUS_ADDRESS, or none
    const char* runtimeFile;  // a file of this name in XDG_RUNTIME_DIR, or none
    QFile::Permissions launcher;  // a dbus-launch with these permissions on PATH, or none
    bool mayBeFound;
};

constexpr QFile::Permissions kNone{};
constexpr QFile::Permissions kRunnable = QFile::ReadOwner | QFile::ExeOwner;

TEST(SessionBus, IsRefusedAtOnceOnlyWhereTheBusLibraryCouldFindNone) {
    if (::access("/usr/bin/dbus-launch", X_OK) == 0) GTEST_SKIP() << "dbus-launch is installed";
    const QByteArray path = qgetenv("PATH"), runtime = qgetenv("XDG_RUNTIME_DIR"),
                     address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const Place places[] = {
        {"nothing at all", nullptr, nullptr, kNone, false},
        {"a bus named", "unix:path=/nowhere", nullptr, kNone, true},
        {"the user's bus socket", nullptr, "bus", kNone, true},
        {"another file beside it", nullptr, "pulse", kNone, false},
        {"dbus-launch on PATH", nullptr, nullptr, kRunnable, true},
        {"a dbus-launch that cannot run", nullptr, nullptr, QFile::ReadOwner, false},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.what);
        QTemporaryDir runtimeDir, binDir;
        if (place.address) qputenv("DBUS_SESSION_BUS_ADDRESS", place.address);
        else qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        if (place.runtimeFile) QFile(runtimeDir.filePath(place.runtimeFile)).open(QFile::WriteOnly);
        if (place.launcher != kNone) {
            QFile launcher(binDir.filePath("dbus-launch"));
            launcher.open(QFile::WriteOnly);
            launcher.setPermissions(place.launcher);
        }
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
        qputenv("PATH", binDir.path().toLocal8Bit());

        EXPECT_EQ(SessionBusMayBeFound(), place.mayBeFound);
        EXPECT_EQ(NameRefusedSessionBusIfNoneMayBeFound(), !place.mayBeFound);
        EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"),
                  place.mayBeFound ? QByteArray(place.address) : QByteArray("disabled:"));
        if (!place.mayBeFound) {
            ClearRefusedSessionBus();
            EXPECT_FALSE(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"));
        }
    }
    qputenv("PATH", path);
    qputenv("XDG_RUNTIME_DIR", runtime);
    if (address.isNull()) qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    else qputenv("DBUS_SESSION_BUS_ADDRESS", address);
}

}  // namespace
}  // namespace slcy
