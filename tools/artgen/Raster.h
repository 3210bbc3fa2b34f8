// Turning shading functions and oversized paintings into finished pixels.
#pragma once

#include <QImage>
#include <QString>
#include <functional>

#include "Colour.h"

namespace artgen {

using Shader = std::function<Rgb(double x, double y)>;

// A picture of width x height design pixels (the pixels of the 1x art) drawn `scale` times as
// large, averaging ss x ss samples per output pixel. The shader sees continuous design
// coordinates whatever the scale: design pixel (i, j) spans [i, i + 1), so the same shader
// draws the 1x picture and, with four times the samples, its 2x twin.
QImage Supersample(int width, int height, int ss, const Shader& shade, int scale);

// A fresh transparent ARGB canvas `factor` times the final size, for QPainter work that is
// later shrunk by Shrink so that its edges come out antialiased. Shrink's result is
// premultiplied: read it through scanLine, not QImage::pixel, to get the raw words.
QImage BigCanvas(int width, int height, int factor);
QImage Shrink(const QImage& big, int factor);

// Lays `top` over `bottom` by its alpha channel (both ARGB32 premultiplied).
void Composite(QImage& bottom, const QImage& top, int x = 0, int y = 0);

// Copies `tile` into `sheet` with its top-left corner at x, y.
void Blit(QImage& sheet, const QImage& tile, int x, int y);

// Separable box blur of every channel, `passes` times; three passes look Gaussian.
QImage Blur(const QImage& image, int radius, int passes = 3);

}  // namespace artgen
