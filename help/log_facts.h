// Gathers the facts of the log header from the running system: the operating system from
// /etc/os-release and the kernel (uname), the locale from the environment as a language
// identifier (locale_id.h) and its decimal separator from QLocale, the program from its arguments and directory, and Qt's version for the viewer rows (our viewer
// is a Qt widget) and the renderer rows (Qt's rich text engine draws the pages).
#pragma once

#include <QString>
#include <QStringList>

#include "log_header.h"

namespace slcy {

// `arguments` as the program got them, the program itself first; `viewerVersion` is the
// installed test's version text (empty when the viewer cannot be shown).
LogFacts GatherLogFacts(const QString& logFile, const QString& programDirectory,
                        const QStringList& arguments, const QString& viewerVersion);

// Release names of the Qt versions our viewer knows, for "6.4.2.0" and the like. An empty
// version gives an empty name; versions outside the table are named by their side of it.
QString FriendlyViewerVersion(const QString& version);
QString FriendlyRendererVersion(const QString& version);

}  // namespace slcy
