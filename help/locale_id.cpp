#include "locale_id.h"

#include <QLocale>

namespace slcy {

namespace {

struct Known {
    QLocale::Language language;
    QLocale::Territory territory;
    int id;
};

// The language identifiers of the Windows API for German and English where they are spoken.
constexpr Known kKnown[] = {
    {QLocale::German, QLocale::Germany, 0x0407},
    {QLocale::German, QLocale::Switzerland, 0x0807},
    {QLocale::German, QLocale::Austria, 0x0c07},
    {QLocale::German, QLocale::Luxembourg, 0x1007},
    {QLocale::German, QLocale::Liechtenstein, 0x1407},
    {QLocale::English, QLocale::UnitedStates, 0x0409},
    {QLocale::English, QLocale::UnitedKingdom, 0x0809},
    {QLocale::English, QLocale::Australia, 0x0c09},
    {QLocale::English, QLocale::Canada, 0x1009},
    {QLocale::English, QLocale::NewZealand, 0x1409},
    {QLocale::English, QLocale::Ireland, 0x1809},
};
// The C and POSIX locales are the invariant locale: its own primary language, no sub-language.
constexpr int kInvariant = 0x007f;

LocaleId WithId(LocaleId l, int id) {
    l.id = id;
    l.primaryId = id & 0x3ff;
    l.subId = id >> 10;
    return l;
}

}  // namespace

LocaleId LocaleIdOf(const QString& posixName) {
    // "language_TERRITORY.codeset@modifier": the codeset and the modifier do not matter here.
    const QString base = posixName.section(u'.', 0, 0).section(u'@', 0, 0);
    if (base.isEmpty() || base == QLatin1String("C") || base == QLatin1String("POSIX")) {
        const QString c = QLocale::languageToString(QLocale::C);
        return WithId({0, c, 0, c, 0, QLocale::territoryToString(QLocale::AnyTerritory)},
                      kInvariant);
    }
    const QLocale locale(base);
    if (locale.language() == QLocale::C) {
        // Qt does not know it either: the parts of the name are all there is to show.
        return {0, base, 0, base.section(u'_', 0, 0), 0, base.section(u'_', 1)};
    }
    const QString language = QLocale::languageToString(locale.language());
    const QString territory = QLocale::territoryToString(locale.territory());
    LocaleId named{0, language + QStringLiteral(" (") + territory + QLatin1Char(')'),
                   0, language,
                   0, territory};
    for (const Known& k : kKnown)
        if (k.language == locale.language() && k.territory == locale.territory())
            return WithId(named, k.id);
    return named;
}

QString PosixLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) return value;
    }
    return QStringLiteral("C");
}

}  // namespace slcy
