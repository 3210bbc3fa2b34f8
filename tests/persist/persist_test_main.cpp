// The persist tests never see the player's own files: HOME and XDG_CONFIG_HOME point into a
// temporary folder before Qt looks at them, and the program refuses to run if the settings
// store would still land anywhere else. Everything runs headless.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "settings_store.h"

#ifdef SLCY_TEST_WITH_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot create a temporary home folder\n");
        return 2;
    }
    // Ordinary users must be able to pass through it: some tests drop root's powers.
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadGroup | QFile::ExeGroup |
                                           QFile::ReadOther | QFile::ExeOther);
    const QString config = home.path() + QStringLiteral("/config");
    QDir().mkpath(config);
    QDir().mkpath(home.path() + QStringLiteral("/runtime"));
    QFile::setPermissions(home.path() + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path() + QStringLiteral("/runtime")));

    TestApplication app(argc, argv);
    if (!slcy::SettingsFilePath().startsWith(config + u'/')) {
        std::fprintf(stderr, "the settings store is not in the temporary folder: %s\n",
                     qPrintable(slcy::SettingsFilePath()));
        return 2;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
