// Turning a drawn layer into picture, mask and thumbnail; all loops run over scan lines.
#include "artwork/ArtPiece.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Coverage from which a pixel counts as part of the silhouette that outlines follow.
constexpr int kSilhouetteAlpha = 24;

// Far enough that no real squared distance reaches it, small enough to keep doubles exact.
constexpr double kFar = 1e10;

// Squared distance to the nearest zero of `f` along one line (the lower envelope of parabolas).
void DistanceTransformLine(const double* f, int n, double* out, std::vector<int>& vertex,
                           std::vector<double>& bound) {
    vertex.assign(static_cast<size_t>(n), 0);
    bound.assign(static_cast<size_t>(n) + 1, 0.0);
    const auto intersection = [f](int q, int v) {
        return ((f[q] + double(q) * q) - (f[v] + double(v) * v)) / (2.0 * q - 2.0 * v);
    };
    int k = 0;
    bound[0] = -kFar;
    bound[1] = kFar;
    for (int q = 1; q < n; ++q) {
        double s = intersection(q, vertex[static_cast<size_t>(k)]);
        while (s <= bound[static_cast<size_t>(k)]) {
            --k;
            s = intersection(q, vertex[static_cast<size_t>(k)]);
        }
        ++k;
        vertex[static_cast<size_t>(k)] = q;
        bound[static_cast<size_t>(k)] = s;
        bound[static_cast<size_t>(k) + 1] = kFar;
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (bound[static_cast<size_t>(k) + 1] < q) {
            ++k;
        }
        const int v = vertex[static_cast<size_t>(k)];
        out[q] = double(q - v) * (q - v) + f[v];
    }
}

// Squared Euclidean distance of every pixel to the nearest pixel with more than faint coverage, so
// that soft glows (emoji flames, shadows) lie inside the outline rather than beyond it.
std::vector<double> DistanceToSilhouette(const QImage& layer) {
    const int w = layer.width();
    const int h = layer.height();
    std::vector<double> grid(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            grid[static_cast<size_t>(y) * w + x] = qAlpha(row[x]) >= kSilhouetteAlpha ? 0.0 : kFar;
        }
    }
    std::vector<int> vertex;
    std::vector<double> bound;
    std::vector<double> line(static_cast<size_t>(std::max(w, h)));
    std::vector<double> result(line.size());
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            line[static_cast<size_t>(y)] = grid[static_cast<size_t>(y) * w + x];
        }
        DistanceTransformLine(line.data(), h, result.data(), vertex, bound);
        for (int y = 0; y < h; ++y) {
            grid[static_cast<size_t>(y) * w + x] = result[static_cast<size_t>(y)];
        }
    }
    for (int y = 0; y < h; ++y) {
        double* row = grid.data() + static_cast<size_t>(y) * w;
        std::copy(row, row + w, line.begin());
        DistanceTransformLine(line.data(), w, row, vertex, bound);
    }
    return grid;
}

} // namespace

QImage NewLayer(int width, int height) {
    QImage layer(width, height, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    return layer;
}

QImage MaskFromLayer(const QImage& source) {
    const QImage layer = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage mask(layer.size(), QImage::Format_RGB32);
    for (int y = 0; y < layer.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const int a = qAlpha(in[x]);
            out[x] = qRgb(a, a, a);
        }
    }
    return mask;
}

QImage PictureFromLayer(const QImage& source, int bleed, const QColor& ground) {
    const QImage layer = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = layer.width();
    const int h = layer.height();
    std::vector<QRgb> colour(static_cast<size_t>(w) * static_cast<size_t>(h), ground.rgb());
    std::vector<unsigned char> known(colour.size(), 0);
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(in[x]) > 0) {
                colour[static_cast<size_t>(y) * w + x] = qUnpremultiply(in[x]) | 0xff000000u;
                known[static_cast<size_t>(y) * w + x] = 1;
            }
        }
    }
    // Each pass grows the coloured area by one pixel, averaging the known neighbours.
    std::vector<unsigned char> grown = known;
    for (int pass = 0; pass < bleed; ++pass) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const size_t at = static_cast<size_t>(y) * w + x;
                if (known[at]) {
                    continue;
                }
                int r = 0, g = 0, b = 0, count = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx;
                        const int ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= w || ny >= h) {
                            continue;
                        }
                        const size_t near = static_cast<size_t>(ny) * w + nx;
                        if (known[near]) {
                            r += qRed(colour[near]);
                            g += qGreen(colour[near]);
                            b += qBlue(colour[near]);
                            ++count;
                        }
                    }
                }
                if (count > 0) {
                    colour[at] = qRgb(r / count, g / count, b / count);
                    grown[at] = 1;
                }
            }
        }
        known = grown;
    }
    QImage picture(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        std::copy_n(colour.begin() + static_cast<std::ptrdiff_t>(y) * w, w,
                    reinterpret_cast<QRgb*>(picture.scanLine(y)));
    }
    return picture;
}

QRect CoverageBounds(const QImage& source) {
    const QImage layer = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int left = layer.width(), right = -1, top = layer.height(), bottom = -1;
    for (int y = 0; y < layer.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            if (qAlpha(row[x]) > 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage ThumbnailFromLayer(const QImage& layer, int size, int margin, const QColor& ground, int ratio) {
    // Drawn in device pixels, and given its ratio at the end.
    const int side = size * ratio;
    QImage thumbnail(side, side, QImage::Format_RGB32);
    thumbnail.fill(ground);
    const QRect bounds = CoverageBounds(layer);
    if (!bounds.isEmpty()) {
        const int room = (size - 2 * margin) * ratio;
        const QImage piece = layer.copy(bounds)
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                 .scaled(room, room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter painter(&thumbnail);
        painter.drawImage((side - piece.width()) / 2, (side - piece.height()) / 2, piece);
    }
    thumbnail.setDevicePixelRatio(ratio);
    return thumbnail;
}

QImage WithOutline(const QImage& source, double width, const QColor& colour) {
    const QImage layer = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const std::vector<double> distance = DistanceToSilhouette(layer);
    QImage ring = NewLayer(layer.width(), layer.height());
    for (int y = 0; y < layer.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(ring.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const double d = std::sqrt(distance[static_cast<size_t>(y) * layer.width() + x]);
            const double coverage = std::clamp(width + 0.5 - d, 0.0, 1.0);
            if (coverage > 0) {
                QColor c = colour;
                c.setAlphaF(static_cast<float>(coverage * colour.alphaF()));
                out[x] = qPremultiply(c.rgba());
            }
        }
    }
    // The piece is cut out along the ring: whatever faint coverage lies beyond it is dropped.
    QPainter painter(&ring);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.drawImage(0, 0, layer);
    painter.end();
    return ring;
}
