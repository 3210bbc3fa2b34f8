// What the player is told about progress files, in the language of the moment: German when
// `german`, English otherwise. "name" is the file name without its folder, "path" the full path.
#pragma once

#include <QString>

namespace slcy {

QString OverwriteQuestion(bool german, const QString& name);
QString SaveErrorMessage(bool german, const QString& name);
QString LoadErrorMessage(bool german, const QString& path);

}  // namespace slcy
