#include "Raster.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

// The larger art keeps 64 levels a channel: a step nobody sees in these textures, and with four
// times the pixels it is the difference between a picture that packs well and one that does not.
QRgb Stepped(Rgb c) {
    auto level = [](double v) {
        const double step = std::round(Clamp01(v / 255) * 63);
        return static_cast<int>(std::lround(step * 255 / 63));
    };
    return qRgb(level(c.r), level(c.g), level(c.b));
}

}  // namespace

QImage Supersample(int width, int height, int ss, const Shader& shade, int scale) {
    QImage out(width * scale, height * scale, QImage::Format_RGB32);
    const double step = 1.0 / ss;
    const double weight = 1.0 / (ss * ss);
    // Dividing by a power of two is exact, so the 1x samples are the very same numbers as ever.
    const double perPixel = scale;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            Rgb sum;
            for (int j = 0; j < ss; ++j) {
                for (int i = 0; i < ss; ++i) {
                    sum = sum + shade((x + (i + 0.5) * step) / perPixel,
                                      (y + (j + 0.5) * step) / perPixel);
                }
            }
            line[x] = scale == 1 ? ToQRgb(sum * weight) : Stepped(sum * weight);
        }
    }
    return out;
}

QImage BigCanvas(int width, int height, int factor) {
    QImage big(width * factor, height * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    return big;
}

QImage Shrink(const QImage& big, int factor) {
    const QImage src = big.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = src.width() / factor;
    const int h = src.height() / factor;
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    const int n = factor * factor;
    for (int y = 0; y < h; ++y) {
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int r = 0, g = 0, b = 0, a = 0;
            for (int j = 0; j < factor; ++j) {
                const auto* s = reinterpret_cast<const QRgb*>(src.constScanLine(y * factor + j));
                for (int i = 0; i < factor; ++i) {
                    const QRgb p = s[x * factor + i];
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                    a += qAlpha(p);
                }
            }
            dst[x] = qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n);
        }
    }
    return out;
}

void Composite(QImage& bottom, const QImage& top, int x, int y) {
    QPainter p(&bottom);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(x, y, top);
}

void Blit(QImage& sheet, const QImage& tile, int x, int y) {
    const QImage src = tile.convertToFormat(QImage::Format_RGB32);
    for (int j = 0; j < src.height(); ++j) {
        for (int i = 0; i < src.width(); ++i) {
            sheet.setPixel(x + i, y + j, src.pixel(i, j));
        }
    }
}

QImage Blur(const QImage& image, int radius, int passes) {
    // Works on the raw premultiplied words: QImage::pixel would unpremultiply them.
    QImage cur = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = cur.width();
    const int h = cur.height();
    const int span = 2 * radius + 1;
    for (int pass = 0; pass < passes; ++pass) {
        for (int horizontal = 1; horizontal >= 0; --horizontal) {
            QImage next(w, h, QImage::Format_ARGB32_Premultiplied);
            const int outer = horizontal ? h : w;
            const int inner = horizontal ? w : h;
            for (int o = 0; o < outer; ++o) {
                auto at = [&](int i) {
                    i = std::clamp(i, 0, inner - 1);
                    const int x = horizontal ? i : o;
                    const int y = horizontal ? o : i;
                    return reinterpret_cast<const QRgb*>(cur.constScanLine(y))[x];
                };
                for (int i = 0; i < inner; ++i) {
                    int r = 0, g = 0, b = 0, a = 0;
                    for (int k = -radius; k <= radius; ++k) {
                        const QRgb p = at(i + k);
                        r += qRed(p);
                        g += qGreen(p);
                        b += qBlue(p);
                        a += qAlpha(p);
                    }
                    const int x = horizontal ? i : o;
                    const int y = horizontal ? o : i;
                    reinterpret_cast<QRgb*>(next.scanLine(y))[x] =
                        qRgba(r / span, g / span, b / span, a / span);
                }
            }
            cur = next;
        }
    }
    return cur;
}

}  // namespace artgen
