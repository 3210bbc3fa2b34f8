// A program that links slcy_assets finds every picture and sound under ":/".
#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include "AssetFiles.h"
#include "AssetPaths.h"

using namespace assettest;

TEST(AssetResources, EveryFileOfTheLibraryOpensAndMatchesTheCommittedOne) {
    for (const char* path : slcy::assets::AllResources()) {
        QFile resource(path);
        ASSERT_TRUE(resource.open(QIODevice::ReadOnly)) << path;
        const QString relative = QString(path).mid(2);  // past ":/"
        EXPECT_TRUE(resource.readAll() == ReadFile(AssetPath(relative))) << path;
    }
}

TEST(AssetResources, SheetsLoadAsImagesInTheirDrawingOrder) {
    const QSize sizes[] = {{432, 180}, {288, 288}, {96, 12}, {500, 333}, {148, 20}, {121, 20}};
    for (size_t i = 0; i < slcy::assets::kSpriteSheets.size(); ++i) {
        EXPECT_EQ(QImage(slcy::assets::kSpriteSheets[i]).size(), sizes[i]) << i;
    }
}

TEST(AssetResources, EveryCommittedFileIsInTheLibrary) {
    QStringList listed;
    for (const char* path : slcy::assets::AllResources()) listed << QString(path).mid(2);
    for (const char* dir : {"sprites", "icons", "glyphs", "pictures", "sounds"}) {
        for (const QString& f : QDir(AssetPath(dir)).entryList({"*.png", "*.wav"}, QDir::Files)) {
            EXPECT_TRUE(listed.contains(QString(dir) + "/" + f)) << dir << "/" << f.toStdString();
        }
    }
}
