// The locale rows of the log header name the locale as a Windows language identifier would:
// a 16-bit number whose low 10 bits are the primary language and whose high 6 bits are the
// sub-language (for us, the territory). Logs sent in from either system then read alike. A
// small table covers the locales a player of this game is likely to run; any other locale has
// the number 0 and keeps its name.
#pragma once

#include <QString>

namespace slcy {

struct LocaleId {
    int id = 0;           // the language identifier, 0 when the table does not know it
    QString name;         // "German (Austria)", "C", or the locale's own name
    int primaryId = 0;    // id & 0x3ff
    QString primaryName;  // "German"
    int subId = 0;        // id >> 10
    QString subName;      // "Austria"
};

// The identifier of a POSIX locale name such as "de_AT.UTF-8", "en_GB", "C" or "POSIX".
LocaleId LocaleIdOf(const QString& posixName);

// The POSIX locale the program's numbers and formats follow, by the environment's precedence
// (LC_ALL, then LC_NUMERIC, then LANG): the one the decimal separator comes from. "C" when
// none is set.
QString PosixLocaleName();

}  // namespace slcy
