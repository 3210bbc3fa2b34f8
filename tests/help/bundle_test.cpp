// The help file as the build makes it: topic 1 is the German rules, topic 2 the English ones,
// and everything a page shows or links to is inside the file.
#include <QFile>
#include <QRegularExpression>

#include "help_file.h"
#include "help_fixture.h"

namespace slcy {
namespace {

QString ResourceText(const QUrl& url) {
    QFile file(QLatin1Char(':') + url.path());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every address a page refers to in the attribute (src or href).
QStringList References(const QString& page, const char* attribute) {
    QStringList found;
    const QRegularExpression re(QStringLiteral("%1=\"([^\"#]+)\"").arg(QLatin1String(attribute)));
    for (const auto& match : re.globalMatch(page)) found << match.captured(1);
    return found;
}

class HelpFileTest : public ::testing::Test {
  protected:
    void TearDown() override { ForgetHelpFile(); }
};

TEST_F(HelpFileTest, TopicOneIsTheGermanPageAndTopicTwoTheEnglishOne) {
    const auto german = TopicUrl(QStringLiteral(SLCY_HELP_FILE), 1);
    const auto english = TopicUrl(QStringLiteral(SLCY_HELP_FILE), 2);
    ASSERT_TRUE(german && english);
    EXPECT_TRUE(ResourceText(*german).startsWith(QStringLiteral("<html lang=\"de\">")));
    EXPECT_TRUE(ResourceText(*english).startsWith(QStringLiteral("<html lang=\"en\">")));
    EXPECT_FALSE(TopicUrl(QStringLiteral(SLCY_HELP_FILE), 3));
}

TEST_F(HelpFileTest, EveryPictureAndLinkOfThePagesIsInTheFile) {
    for (int topic : {1, 2}) {
        const auto page = TopicUrl(QStringLiteral(SLCY_HELP_FILE), topic);
        ASSERT_TRUE(page);
        const QString text = ResourceText(*page);
        const QStringList refs = References(text, "src") + References(text, "href");
        EXPECT_GE(refs.size(), 20) << "topic " << topic;
        for (const QString& ref : refs) {
            const QUrl target = page->resolved(QUrl(ref));
            EXPECT_TRUE(QFile::exists(QLatin1Char(':') + target.path()))
                << qPrintable(ref) << " of topic " << topic;
        }
    }
}

TEST_F(HelpFileTest, AFileThatIsNoHelpFileHasNoTopics) {
    EXPECT_FALSE(TopicUrl(QStringLiteral(SLCY_HELP_PAGES "/en.html"), 2));
    EXPECT_FALSE(TopicUrl(QStringLiteral("/no/such/slcy.rcc"), 2));
}

TEST(ContextMap, ANumberNamesItsPageAndCommentsAreIgnored) {
    const QString map =
        QStringLiteral("# topics\n1 de.html\n  2   en.html   # English\n3\nx y.html\n");
    EXPECT_EQ(PageOfContext(map, 1), QStringLiteral("de.html"));
    EXPECT_EQ(PageOfContext(map, 2), QStringLiteral("en.html"));
    EXPECT_FALSE(PageOfContext(map, 3));
    EXPECT_FALSE(PageOfContext(map, 0));
}

}  // namespace
}  // namespace slcy
