#include "Output.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace artgen {

namespace {

void Write(const QImage& image, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

int Distance(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    // Green weighs most for the eye; this keeps dark greens and greys apart.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

struct Box {
    std::vector<QRgb> colours;  // one entry per pixel, so big areas weigh more
};

int Channel(QRgb c, int ch) { return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c); }

QRgb Mean(const std::vector<QRgb>& colours) {
    long long r = 0, g = 0, b = 0;
    for (QRgb c : colours) {
        r += qRed(c);
        g += qGreen(c);
        b += qBlue(c);
    }
    const long long n = static_cast<long long>(colours.size());
    return qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
}

}  // namespace

void SaveRgb(const QImage& image, const QString& path) {
    Write(image.convertToFormat(QImage::Format_RGB32), path);
}

void SaveIndexed(const QImage& indexed, const QString& path) { Write(indexed, path); }

void SaveArgb(const QImage& image, const QString& path) {
    Write(image.convertToFormat(QImage::Format_ARGB32), path);
}

QImage ToPalette(const QImage& rgb, const std::vector<QRgb>& palette, int exactOnly) {
    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y) | 0xFF000000u;
            int best = -1;
            for (int i = 0; i < exactOnly; ++i) {
                if ((palette[i] | 0xFF000000u) == c) best = i;
            }
            if (best < 0) {
                const int first = exactOnly < int(palette.size()) ? exactOnly : 0;
                best = first;
                for (int i = first + 1; i < int(palette.size()); ++i) {
                    if (Distance(c, palette[i]) < Distance(c, palette[best])) best = i;
                }
            }
            out.setPixel(x, y, uint(best));
        }
    }
    return out;
}

QImage Quantise(const QImage& rgb, int colours, const std::vector<QRgb>& fixed) {
    std::vector<Box> boxes(1);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y) | 0xFF000000u;
            if (std::find(fixed.begin(), fixed.end(), c) == fixed.end()) {
                boxes[0].colours.push_back(c);
            }
        }
    }
    const int wanted = colours - int(fixed.size());
    if (boxes[0].colours.empty()) boxes.clear();
    // Split the box with the widest channel range (weighted by its pixel count) at its
    // median until there are enough boxes or nothing is left to split.
    while (int(boxes.size()) < wanted) {
        int bestBox = -1, bestChannel = 0;
        long long bestScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            for (int ch = 0; ch < 3; ++ch) {
                int lo = 255, hi = 0;
                for (QRgb c : boxes[i].colours) {
                    lo = std::min(lo, Channel(c, ch));
                    hi = std::max(hi, Channel(c, ch));
                }
                const long long score =
                    (long long)(hi - lo) * (long long)std::min<size_t>(boxes[i].colours.size(), 64);
                if (score > bestScore) {
                    bestScore = score;
                    bestBox = i;
                    bestChannel = ch;
                }
            }
        }
        if (bestBox < 0) break;
        auto& cs = boxes[bestBox].colours;
        std::stable_sort(cs.begin(), cs.end(), [&](QRgb a, QRgb b) {
            return Channel(a, bestChannel) < Channel(b, bestChannel);
        });
        // Cut where the channel value changes nearest the median, so equal colours stay together.
        size_t cut = cs.size() / 2;
        const int v = Channel(cs[cut], bestChannel);
        size_t up = cut, down = cut;
        while (up < cs.size() && Channel(cs[up], bestChannel) == v) ++up;
        while (down > 0 && Channel(cs[down - 1], bestChannel) == v) --down;
        cut = (down > 0 && (cut - down) <= (up - cut)) || up == cs.size() ? down : up;
        if (cut == 0 || cut == cs.size()) break;
        Box second;
        second.colours.assign(cs.begin() + long(cut), cs.end());
        cs.resize(cut);
        boxes.push_back(std::move(second));
    }
    std::vector<QRgb> palette(fixed.begin(), fixed.end());
    for (const Box& b : boxes) {
        QRgb m = Mean(b.colours);
        // A mean must never land on a fixed colour (the glyph key colour, say).
        while (std::find(palette.begin(), palette.end(), m) != palette.end()) {
            m = qRgb(qRed(m) ^ 1, qGreen(m), qBlue(m));
        }
        palette.push_back(m);
    }
    return ToPalette(rgb, palette, int(fixed.size()));
}

}  // namespace artgen
