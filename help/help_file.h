// The compiled help file: a binary resource bundle made at build time, holding the HTML pages,
// their style sheet and pictures, and "context.map", whose lines "<number> <page>" say which
// page a context number means ("#" starts a comment). The first time a topic of it is asked
// for, it is read, checked (bundle_check.h) and registered with the resource system under a
// root of its own; a file that fails the check is treated as missing.
#pragma once

#include <QString>
#include <QUrl>
#include <optional>

namespace slcy {

// The page of a context number according to the text of a context map, or nothing.
std::optional<QString> PageOfContext(const QString& map, int context);

// The address of the topic's page inside the help file ("qrc:/..."), or nothing when the
// file cannot be read, is no intact bundle or has no such topic.
std::optional<QUrl> TopicUrl(const QString& file, int context);

// Unregisters the help file, so that the next request opens it afresh.
void ForgetHelpFile();

}  // namespace slcy
