#include "AssetFiles.h"

#include <QFile>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace assettest {

QString AssetPath(const QString& relative) { return QString(SLCY_ASSET_DIR) + "/" + relative; }

QString CommittedFile(const std::string& resource) {
    return AssetPath(QString::fromStdString(FileOf(resource)));
}

QImage LoadPng(const std::string& resource) {
    QImage image(CommittedFile(resource), "PNG");
    EXPECT_FALSE(image.isNull()) << "cannot read " << resource;
    return image;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

PngHeader ReadPngHeader(const std::string& resource) {
    const QByteArray bytes = ReadFile(CommittedFile(resource));
    PngHeader h;
    if (bytes.size() < 33 || !bytes.startsWith("\x89PNG\r\n\x1a\n")) return h;
    auto be32 = [&](int at) {
        return (std::uint32_t(std::uint8_t(bytes[at])) << 24) |
               (std::uint32_t(std::uint8_t(bytes[at + 1])) << 16) |
               (std::uint32_t(std::uint8_t(bytes[at + 2])) << 8) | std::uint8_t(bytes[at + 3]);
    };
    h.width = int(be32(16));
    h.height = int(be32(20));
    h.bitDepth = std::uint8_t(bytes[24]);
    h.colourType = std::uint8_t(bytes[25]);
    // Walk the chunks looking for tRNS, which would make palette entries transparent.
    for (int at = 8; at + 8 <= bytes.size();) {
        const int length = int(be32(at));
        if (bytes.mid(at + 4, 4) == "tRNS") h.hasTransparencyChunk = true;
        at += 12 + length;
    }
    return h;
}

std::string ScaleName(const ::testing::TestParamInfo<int>& info) {
    return std::to_string(info.param) + "x";
}

QSet<QRgb> ColoursUsed(const QImage& image, bool withAlpha) {
    QSet<QRgb> used;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            used.insert(withAlpha ? image.pixel(x, y) : image.pixel(x, y) | 0xFF000000);
    }
    return used;
}

int Distance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

bool IsBlack(QRgb c) { return (c & 0xFFFFFF) == 0; }

bool IsSand(QRgb c) { return Distance(c, qRgb(0xC4, 0xBE, 0xAC)) <= 24; }

bool IsCopper(QRgb c) {
    return qRed(c) - qBlue(c) >= 60 && qRed(c) - qGreen(c) >= 30 && qRed(c) >= 90;
}

}  // namespace assettest
