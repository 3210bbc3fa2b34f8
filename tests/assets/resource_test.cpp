// A program that links slcy_assets finds every picture and sound under ":/", and the table in
// AssetPaths.h names every committed file.
#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include "AssetFiles.h"

using namespace assettest;

TEST(AssetResources, EveryFileOfTheLibraryOpensAndMatchesTheCommittedOne) {
    for (const std::string& path : AllResources()) {
        QFile resource(QString::fromStdString(path));
        ASSERT_TRUE(resource.open(QIODevice::ReadOnly)) << path;
        EXPECT_TRUE(resource.readAll() == ReadFile(CommittedFile(path))) << path;
    }
}

TEST(AssetResources, SheetsLoadAsImagesInTheirDrawingOrder) {
    const QSize sizes[] = {{432, 180}, {288, 288}, {96, 12}, {500, 333}, {148, 20}, {121, 20}};
    for (size_t i = 0; i < kSpriteSheets.size(); ++i) {
        EXPECT_EQ(QImage(kSpriteSheets[i].Path).size(), sizes[i]) << i;
        EXPECT_EQ(QSize(kSpriteSheets[i].Width, kSpriteSheets[i].Height), sizes[i]) << i;
    }
}

TEST(AssetResources, EveryCommittedFileIsInTheLibrary) {
    QStringList listed;
    for (const std::string& path : AllResources())
        listed << QString::fromStdString(FileOf(path));
    for (const char* dir : {"sprites", "icons", "glyphs", "pictures", "sounds"}) {
        for (const QString& f : QDir(AssetPath(dir)).entryList({"*.png", "*.wav"}, QDir::Files)) {
            EXPECT_TRUE(listed.contains(QString(dir) + "/" + f)) << dir << "/" << f.toStdString();
        }
    }
}
