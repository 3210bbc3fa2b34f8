// A program that links slcy_assets finds every picture and sound under ":/", with the 2x art
// once its file beside the program is registered, and the table in AssetPaths.h names every
// committed file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QResource>
#include <map>
#include <optional>

#include "AssetFiles.h"
#include "CompiledArtPages.h"
#include "TwiceSizeArt.h"

using namespace assettest;

namespace {

class AssetResources : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(RegisterTwiceSizeArt(SLCY_BIN_DIR)); }
};

}  // namespace

// The committed picture a path of plain pixels comes from; any other path as it is.
std::string Source(const std::string& path) {
    return path.ends_with(".pam") ? path.substr(0, path.size() - 4) + ".png" : path;
}

// Also once the program has handed back the pages of its compiled-in files, as it does after
// start-up; the 2x art registered from memory keeps every byte. The plain pixels of a picture
// say its size (their rows are checked against the picture where the game draws them).
TEST_F(AssetResources, EveryFileOfTheLibraryOpensAndMatchesTheCommittedOne) {
    std::map<std::string, QByteArray> compiledIn;
    for (const char* when : {"as compiled in", "after the pages were handed back"}) {
        for (const std::string& path : AllResources()) {
            QFile resource(QString::fromStdString(path));
            ASSERT_TRUE(resource.open(QIODevice::ReadOnly)) << path << " " << when;
            const QByteArray bytes = resource.readAll();
            if (path.ends_with(".pam")) {
                const PngHeader png = ReadPngHeader(Source(path));
                EXPECT_TRUE(bytes.startsWith(QStringLiteral("P7\nWIDTH %1\nHEIGHT %2\n")
                                                 .arg(png.width)
                                                 .arg(png.height)
                                                 .toLatin1()))
                    << path;
                const auto before = compiledIn.try_emplace(path, bytes).first;
                EXPECT_TRUE(bytes == before->second) << path << " " << when;
            } else {
                EXPECT_TRUE(bytes == ReadFile(CommittedFile(path))) << path << " " << when;
            }
        }
        ReleaseCompiledArtPages();
    }
}

namespace {

// Whether the page of memory at `address` is in the process's memory now, or none if that
// cannot be told here.
std::optional<bool> Resident(const void* address) {
    QFile pagemap(QStringLiteral("/proc/self/pagemap"));
    const auto page = static_cast<quint64>(sysconf(_SC_PAGESIZE));
    quint64 entry = 0;
    if (!pagemap.open(QIODevice::ReadOnly) ||
        !pagemap.seek(qint64(reinterpret_cast<std::uintptr_t>(address) / page * 8)) ||
        pagemap.read(reinterpret_cast<char*>(&entry), 8) != 8)
        return std::nullopt;
    return (entry >> 63) != 0;
}

}  // namespace

// The pages of the start-up pictures and of the sounds go once start-up is over; those of the
// sheets' pixels, which the drawing copies from while the game runs, stay. (Looked at straight
// after the release: a later read near a page that went brings the page back with it.)
TEST_F(AssetResources, HandingBackKeepsWhatTheGameReadsWhileItRuns) {
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    unsigned sum = 0;  // every page of every file read, as at start-up
    for (const std::string& path : AllResources()) {
        const QResource file(QString::fromStdString(path));
        for (qint64 at = 0; at < file.size(); at += qint64(page)) sum += file.data()[at];
    }
    // The page in the middle of a file.
    auto middle = [page](const std::string& path) {
        const QResource file(QString::fromStdString(path));
        return reinterpret_cast<const void*>(
            reinterpret_cast<std::uintptr_t>(file.data() + file.size() / 2) / page * page);
    };
    std::vector<std::string> kept;
    for (const SheetFile& sheet : kSpriteSheets) kept.push_back(PlainPixelsPath(sheet.Path));
    std::vector<const void*> keptPages;
    for (const std::string& path : kept) keptPages.push_back(middle(path));
    const std::string gone[] = {PlainPixelsPath(kSplashPicture), kSounds[1]};
    const void* gonePages[] = {middle(gone[0]), middle(gone[1])};

    ReleaseCompiledArtPages();
    if (!Resident(&sum)) GTEST_SKIP() << "/proc/self/pagemap cannot be read here";
    for (size_t i = 0; i < std::size(gone); ++i) EXPECT_FALSE(*Resident(gonePages[i])) << gone[i];
    for (size_t i = 0; i < kept.size(); ++i) EXPECT_TRUE(*Resident(keptPages[i])) << kept[i];
}

TEST_F(AssetResources, SheetsLoadAsImagesInTheirDrawingOrder) {
    const QSize sizes[] = {{432, 180}, {288, 288}, {96, 12}, {500, 333}, {148, 20}, {121, 20}};
    for (size_t i = 0; i < kSpriteSheets.size(); ++i) {
        EXPECT_EQ(QSize(kSpriteSheets[i].Width, kSpriteSheets[i].Height), sizes[i]) << i;
        for (int scale : kArtScales) {
            const std::string path = AtScale(kSpriteSheets[i].Path, scale);
            EXPECT_EQ(LoadPng(path).size(), sizes[i] * scale) << path;
        }
    }
}

// The desktop's icons are no part of the program: the package installs them (app/).
TEST_F(AssetResources, EveryCommittedFileIsInTheLibrary) {
    QStringList listed;
    for (const std::string& path : AllResources())
        listed << QString::fromStdString(FileOf(Source(path)));
    for (int size : kIconSizes)
        if (size != kWindowIconSize) listed << QString::fromStdString(FileOf(IconPath(size)));
    for (const char* dir : {"sprites", "icons", "glyphs", "pictures", "sounds"}) {
        for (const QString& f : QDir(AssetPath(dir)).entryList({"*.png", "*.wav"}, QDir::Files)) {
            EXPECT_TRUE(listed.contains(QString(dir) + "/" + f)) << dir << "/" << f.toStdString();
        }
    }
}
