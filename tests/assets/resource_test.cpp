// A program that links slcy_assets finds every picture and sound under ":/", with the 2x art
// once its file beside the program is registered, and the table in AssetPaths.h names every
// committed file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

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

// Also once the program has handed back the pages of its compiled-in files, as it does after
// start-up; the 2x art registered from memory keeps every byte.
TEST_F(AssetResources, EveryFileOfTheLibraryOpensAndMatchesTheCommittedOne) {
    for (const char* when : {"as compiled in", "after the pages were handed back"}) {
        for (const std::string& path : AllResources()) {
            QFile resource(QString::fromStdString(path));
            ASSERT_TRUE(resource.open(QIODevice::ReadOnly)) << path << " " << when;
            EXPECT_TRUE(resource.readAll() == ReadFile(CommittedFile(path))) << path << " " << when;
        }
        ReleaseCompiledArtPages();
    }
}

TEST_F(AssetResources, SheetsLoadAsImagesInTheirDrawingOrder) {
    const QSize sizes[] = {{432, 180}, {288, 288}, {96, 12}, {500, 333}, {148, 20}, {121, 20}};
    for (size_t i = 0; i < kSpriteSheets.size(); ++i) {
        EXPECT_EQ(QSize(kSpriteSheets[i].Width, kSpriteSheets[i].Height), sizes[i]) << i;
        for (int scale : kArtScales) {
            const QString path = QString::fromStdString(AtScale(kSpriteSheets[i].Path, scale));
            EXPECT_EQ(QImage(path).size(), sizes[i] * scale) << path.toStdString();
        }
    }
}

TEST_F(AssetResources, EveryCommittedFileIsInTheLibrary) {
    QStringList listed;
    for (const std::string& path : AllResources())
        listed << QString::fromStdString(FileOf(path));
    for (const char* dir : {"sprites", "icons", "glyphs", "pictures", "sounds"}) {
        for (const QString& f : QDir(AssetPath(dir)).entryList({"*.png", "*.wav"}, QDir::Files)) {
            EXPECT_TRUE(listed.contains(QString(dir) + "/" + f)) << dir << "/" << f.toStdString();
        }
    }
}
