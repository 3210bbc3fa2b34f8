// A program that links slcy_assets finds every picture and sound under ":/", with the 2x art
// once its file beside the program is registered, and the table in AssetPaths.h names every
// committed file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <map>

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
