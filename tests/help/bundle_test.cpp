// The help file as the build makes it: topic 1 is the German rules, topic 2 the English ones,
// and everything a page shows or links to is inside the file.
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>

#include "bundle_check.h"
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

QByteArray BuiltBundle() {
    QFile file(QStringLiteral(SLCY_HELP_FILE));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The numbers of a bundle (big-endian) and where its parts are.
quint32 Get(const QByteArray& b, qsizetype at) {
    return qFromBigEndian<quint32>(b.constData() + at);
}
void Put(QByteArray& b, qsizetype at, quint32 value) {
    qToBigEndian(value, b.data() + at);
}
void Put16(QByteArray& b, qsizetype at, quint16 value) {
    qToBigEndian(value, b.data() + at);
}
constexpr int kNodeSize = 22;  // the build writes version 3
qsizetype Tree(const QByteArray& b) {
    return Get(b, 8);
}
qsizetype Node(const QByteArray& b, int n) {
    return Tree(b) + qsizetype{n} * kNodeSize;
}
bool IsDirectory(const QByteArray& b, int n) {
    return qFromBigEndian<quint16>(b.constData() + Node(b, n) + 4) & 2;
}
// The first node after the root that is (or is not) a directory.
int FirstNode(const QByteArray& b, bool directory) {
    for (int n = 1; Node(b, n + 1) <= b.size(); ++n)
        if (IsDirectory(b, n) == directory) return n;
    return -1;
}

TEST(HelpBundleCheck, TheBuiltHelpFilePasses) {
    const QByteArray built = BuiltBundle();
    ASSERT_EQ(built.left(4), QByteArray("qres"));
    ASSERT_EQ(Get(built, 4), 3u);
    EXPECT_TRUE(IsIntactBundle(built));
    EXPECT_GT(FirstNode(built, true), 0);
    EXPECT_GT(FirstNode(built, false), 0);
}

// Each damage, done to the built help file: the check refuses it, and the file has no topics,
// as if it were missing. Without the check the resource system would read outside the file
// (the first case made the rules button crash).
TEST(HelpBundleCheck, ADamagedHelpFileIsRefusedAndHasNoTopics) {
    using Damage = std::function<void(QByteArray&)>;
    const std::pair<const char*, Damage> damages[] = {
        {"tree 4 bytes before the end of a page-aligned file",
         [](QByteArray& b) {
             b.resize((b.size() / 4096 + 1) * 4096, '\0');
             Put(b, 8, static_cast<quint32>(b.size() - 4));
         }},
        {"cut in half", [](QByteArray& b) { b.truncate(b.size() / 2); }},
        {"tree offset past the end", [](QByteArray& b) { Put(b, 8, 0xFFFFFFF0); }},
        {"names offset past the end", [](QByteArray& b) { Put(b, 16, 0x7FFFFFFF); }},
        {"a name longer than the file", [](QByteArray& b) { Put16(b, Get(b, 16), 0xFFFF); }},
        {"a file's data longer than the file",
         [](QByteArray& b) {
             const qsizetype data = Get(b, 12) + Get(b, Node(b, FirstNode(b, false)) + 10);
             Put(b, data, 0x7FFFFFFF);
         }},
        {"a file's data offset past the end",
         [](QByteArray& b) { Put(b, Node(b, FirstNode(b, false)) + 10, 0x80000000); }},
        {"the root among its own children", [](QByteArray& b) { Put(b, Tree(b) + 10, 0); }},
        {"more children than nodes", [](QByteArray& b) { Put(b, Tree(b) + 6, 0x10000000); }},
        {"the root a file", [](QByteArray& b) { Put16(b, Tree(b) + 4, 0); }},
        {"a compressed file", [](QByteArray& b) { Put16(b, Node(b, FirstNode(b, false)) + 4, 1); }},
        {"compression named in the header", [](QByteArray& b) { Put(b, 20, 1); }},
        {"a directory named \"..\"",
         [](QByteArray& b) {
             const qsizetype name = Get(b, 16) + Get(b, Node(b, FirstNode(b, true)));
             Put16(b, name, 2);
             Put16(b, name + 6, u'.');
             Put16(b, name + 8, u'.');
         }},
        {"another magic", [](QByteArray& b) { b[0] = 'x'; }},
        {"version 4", [](QByteArray& b) { Put(b, 4, 4); }},
        {"the header only", [](QByteArray& b) { b.truncate(24); }},
        {"empty", [](QByteArray& b) { b.clear(); }},
    };
    const QTemporaryDir dir;
    for (const auto& [what, damage] : damages) {
        QByteArray bytes = BuiltBundle();
        damage(bytes);
        EXPECT_FALSE(IsIntactBundle(bytes)) << what;
        const QString path = dir.filePath(QString::fromLatin1(what).replace(u'"', u'_'));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        EXPECT_FALSE(TopicUrl(path, 2)) << what;
        ForgetHelpFile();
    }
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
