// Button glyphs, icons and pictures: sizes, and the key colour in the lower-left pixel that
// the window turns transparent, at 1x and 2x.
#include <QSet>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "AssetFiles.h"

using namespace assettest;

namespace {

// The glyphs of the table the game and the generator share, as committed.
struct GlyphFile {
    std::string file;
    int width, height;  // of the whole bitmap
    bool twoImages;     // normal look, then the disabled look, side by side
};

std::vector<GlyphFile> GlyphFiles(int scale) {
    std::vector<GlyphFile> files;
    files.reserve(kGlyphs.size());
    for (const Glyph& g : kGlyphs) {
        files.push_back({GlyphPath(g.Name, scale), g.Width * g.Images * scale, g.Height * scale,
                         g.Images == 2});
    }
    return files;
}

QRgb Opaque(QRgb c) { return c | 0xFF000000; }
QRgb LowerLeft(const QImage& g) { return Opaque(g.pixel(0, g.height() - 1)); }

bool IsKeyColour(QRgb c) {
    return c == qRgb(0x80, 0x80, 0x00) || c == qRgb(0x00, 0xFF, 0xFF) || c == qRgb(0xC0, 0xC0, 0xC0);
}

// Share of the non-key pixels of the left image that `test` accepts.
template <typename Test>
double MotifShare(const QImage& g, int width, Test test) {
    const QRgb key = LowerLeft(g);
    int all = 0, hits = 0;
    for (int y = 0; y < g.height(); ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb c = Opaque(g.pixel(x, y));
            if (c == key) continue;
            ++all;
            hits += test(c);
        }
    }
    return all ? double(hits) / all : 0;
}

bool Reddish(QRgb c) { return qRed(c) > 100 && qRed(c) > qGreen(c) + 50 && qRed(c) > qBlue(c) + 50; }
bool Greenish(QRgb c) { return qGreen(c) > qRed(c) + 30 && qGreen(c) > qBlue(c) + 30; }
bool Bluish(QRgb c) { return qBlue(c) > qRed(c) + 40 && qBlue(c) > qGreen(c) + 10; }
bool Yellowish(QRgb c) { return qRed(c) > 170 && qGreen(c) > 150 && qBlue(c) < 100; }
bool Dark(QRgb c) { return qGray(c) < 70; }

using Glyphs = ScaledArt;
using WindowIcon = ScaledArt;
using Pictures = ScaledArt;

}  // namespace

TEST_P(Glyphs, HaveTheirSizes) {
    for (const GlyphFile& g : GlyphFiles(Scale())) {
        EXPECT_EQ(LoadPng(g.file).size(), QSize(g.width, g.height)) << g.file;
    }
}

TEST_P(Glyphs, AreOpaqueBitmapsOfAtMostSixteenColours) {
    for (const GlyphFile& g : GlyphFiles(Scale())) {
        const QImage image = LoadPng(g.file);
        EXPECT_FALSE(image.hasAlphaChannel()) << g.file;
        EXPECT_FALSE(ReadPngHeader(g.file).hasTransparencyChunk) << g.file;
        EXPECT_LE(ColoursUsed(image).size(), 16) << g.file;
    }
}

TEST_P(Glyphs, LowerLeftPixelHoldsAKeyColour) {
    for (const GlyphFile& g : GlyphFiles(Scale()))
        EXPECT_TRUE(IsKeyColour(LowerLeft(LoadPng(g.file)))) << g.file;
}

TEST_P(Glyphs, KeyColourOnlySurroundsTheMotifAndNeverFallsInsideIt) {
    // Every key-coloured pixel must be reachable from the glyph's border through key-coloured
    // pixels: a key pixel walled in by the motif would be a hole punched into the picture.
    for (const GlyphFile& g : GlyphFiles(Scale())) {
        const QImage image = LoadPng(g.file);
        const QRgb key = LowerLeft(image);
        const int w = image.width(), h = image.height();
        std::vector<char> reached(static_cast<std::size_t>(w) * h, 0);
        std::vector<QPoint> todo;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool border = x == 0 || y == 0 || x == w - 1 || y == h - 1 ||
                                    (g.twoImages && (x == w / 2 - 1 || x == w / 2));
                if (border && Opaque(image.pixel(x, y)) == key) {
                    reached[y * w + x] = 1;
                    todo.push_back({x, y});
                }
            }
        }
        while (!todo.empty()) {
            const QPoint p = todo.back();
            todo.pop_back();
            for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint q = p + d;
                if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h || reached[q.y() * w + q.x()]) continue;
                if (Opaque(image.pixel(q)) != key) continue;
                reached[q.y() * w + q.x()] = 1;
                todo.push_back(q);
            }
        }
        int walledIn = 0, motif = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool isKey = Opaque(image.pixel(x, y)) == key;
                walledIn += isKey && !reached[y * w + x];
                motif += !isKey;
            }
        }
        EXPECT_EQ(walledIn, 0) << g.file;
        EXPECT_GT(motif, w * h / 8) << g.file << " shows hardly anything";
    }
}

TEST_P(Glyphs, DisabledLookIsGreyEmbossedOnTheKey) {
    for (const GlyphFile& g : GlyphFiles(Scale())) {
        if (!g.twoImages) continue;
        const QImage image = LoadPng(g.file);
        const QRgb key = LowerLeft(image);
        int grey = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = g.width / 2; x < g.width; ++x) {
                const QRgb c = Opaque(image.pixel(x, y));
                EXPECT_TRUE(c == key || c == qRgb(128, 128, 128) || c == qRgb(255, 255, 255))
                    << g.file << " " << x << "," << y;
                grey += c == qRgb(128, 128, 128);
            }
        }
        EXPECT_GT(grey, 10) << g.file;
    }
}

TEST_P(Glyphs, MotifsWearTheirColours) {
    // The share of the motif's pixels, in the left (normal) image, that `test` accepts.
    auto share = [&](const char* name, auto test) {
        const Glyph& g = GlyphNamed(name);
        return MotifShare(LoadPng(GlyphPath(name, Scale())), g.Width * Scale(), test);
    };
    EXPECT_GT(share("newgame", Dark), 0.5) << "a black bomb";
    EXPECT_GT(share("dlg_bomb", Dark), 0.5) << "a black bomb";
    EXPECT_GT(share("restart", Greenish), 0.6) << "a green arrow";
    EXPECT_GT(share("dlg_restart_yes", Greenish), 0.6) << "a green arrow";
    EXPECT_GT(share("dlg_restart_no", Reddish), 0.5) << "a red cross";
    EXPECT_GT(share("dlg_cancel", Reddish), 0.5) << "a red X";
    EXPECT_GT(share("check", Greenish), 0.6) << "a green check mark";
    EXPECT_GT(share("rules", Reddish), 0.4) << "a red ball";
    EXPECT_GT(share("info", Bluish), 0.4) << "a blue ball";
    EXPECT_GT(share("pause", Bluish), 0.3) << "a blue cup";
    EXPECT_GT(share("exit", Bluish), 0.3) << "a blue door";
    EXPECT_GT(share("dlg_door", Bluish), 0.3) << "a blue door";
    EXPECT_GT(share("tongue", Reddish), 0.5) << "red lips";
    EXPECT_GT(share("dlg_smile", Yellowish), 0.5) << "a yellow face";
    EXPECT_GT(share("dlg_frown", Greenish), 0.5) << "a green face";
    EXPECT_GT(share("wumple", Bluish), 0.3) << "on a blue ground";
    EXPECT_GT(share("sup", Greenish), 0.6) << "a green triangle";
    EXPECT_GT(share("sdown", Greenish), 0.6) << "a green triangle";
}

TEST_P(Glyphs, LevelBarTrianglesPointUpAndDown) {
    // A triangle is widest at its base: at the bottom when it points up.
    const int size = 13 * Scale();
    auto widestRow = [&](const char* name) {
        const QImage g = LoadPng(GlyphPath(name, Scale()));
        const QRgb key = LowerLeft(g);
        int best = 0, bestRow = -1;
        for (int y = 0; y < size; ++y) {
            int width = 0;
            for (int x = 0; x < size; ++x) width += Opaque(g.pixel(x, y)) != key;
            if (width > best) best = width, bestRow = y;
        }
        return bestRow;
    };
    EXPECT_GT(widestRow("sup"), 8 * Scale());
    EXPECT_LT(widestRow("sdown"), 4 * Scale());
}

TEST(Icons, ComeInFiveSizesOfOneMotif) {
    for (int size : kIconSizes) {
        const QImage icon = LoadPng(IconPath(size));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
        // The ground is transparent; the green light sits in the middle of the box.
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        const QRgb light = icon.pixel(int(size * 12.0 / 32), int(size * 20.0 / 32));
        EXPECT_EQ(qAlpha(light), 255) << size;
        EXPECT_TRUE(Greenish(light)) << size;
    }
}

TEST_P(WindowIcon, KeepsToSixteenColoursOneOfThemTransparent) {
    // At 2x the same 32-pixel icon drawn at 64 pixels, by the same rules.
    const PngHeader h = ReadPngHeader(WindowIconPath(Scale()));
    EXPECT_EQ(h.colourType, 3);
    const QImage icon = LoadPng(WindowIconPath(Scale()));
    const int size = kWindowIconSize * Scale();
    ASSERT_EQ(icon.size(), QSize(size, size));
    EXPECT_LE(ColoursUsed(icon, true).size(), 16);
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    const QRgb light = icon.pixel(12 * Scale(), 20 * Scale());
    EXPECT_EQ(qAlpha(light), 255);
    EXPECT_TRUE(Greenish(light));
}

TEST_P(Pictures, SplashIsTrueColourAndInfoPictureHasAPalette) {
    EXPECT_EQ(LoadPng(At(kSplashPicture)).size(), QSize(200, 150) * Scale());
    EXPECT_EQ(ReadPngHeader(At(kSplashPicture)).colourType, 2);
    const QImage info = LoadPng(At(kInfoPicture));
    EXPECT_EQ(info.size(), QSize(100, 75) * Scale());
    const PngHeader h = ReadPngHeader(At(kInfoPicture));
    EXPECT_EQ(h.colourType, 3);
    EXPECT_EQ(h.bitDepth, 8);
    EXPECT_LE(info.colorCount(), 256);
}

INSTANTIATE_AT_BOTH_SCALES(Glyphs);
INSTANTIATE_AT_BOTH_SCALES(WindowIcon);
INSTANTIATE_AT_BOTH_SCALES(Pictures);
