// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/slice_cache.h"

#include <algorithm>
#include <cmath>

#include <QPainter>

namespace kestrun::skin {
namespace {

// Edges of the three bands along one axis: margins first and last, shrunk in proportion when the
// length cannot hold them both.
struct Bands {
    int edge[4];
};

Bands bands(int start, int length, int first, int last) {
    if (first + last > length) {
        const int total = first + last;
        first = total > 0 ? length * first / total : 0;
        last = length - first;
    }
    return {{start, start + first, start + length - last, start + length}};
}

// A transparent picture of `size` logical pixels with `ratio` device pixels to each.
QImage blank(QSize size, qreal ratio) {
    QImage out(QSize(int(std::ceil(size.width() * ratio)), int(std::ceil(size.height() * ratio))),
               QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(ratio);
    out.fill(Qt::transparent);
    return out;
}

bool unscaled(qreal ratio) { return qFuzzyCompare(ratio, 1.0); }

QImage nine_slice_image(const QImage& image, const QRect& source, const QMargins& m, QSize size, bool middle,
                        qreal ratio) {
    QImage out = blank(size, ratio);
    QPainter p(&out);
    // Unscaled, stretched parts repeat source pixels (no filtering): the skins' stretchable middles are
    // plain or graded along the other axis, so this keeps every colour exactly as drawn. Scaled, every
    // part is filtered, so that curves and stars stay smooth.
    p.setRenderHint(QPainter::SmoothPixmapTransform, !unscaled(ratio));
    const Bands sx = bands(source.left(), source.width(), m.left(), m.right());
    const Bands sy = bands(source.top(), source.height(), m.top(), m.bottom());
    // The target keeps the source's margins, within its own size.
    const Bands dx = bands(0, size.width(), sx.edge[1] - sx.edge[0], sx.edge[3] - sx.edge[2]);
    const Bands dy = bands(0, size.height(), sy.edge[1] - sy.edge[0], sy.edge[3] - sy.edge[2]);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            if (!middle && row == 1 && col == 1) {
                continue;
            }
            const QRect from(QPoint(sx.edge[col], sy.edge[row]), QPoint(sx.edge[col + 1] - 1, sy.edge[row + 1] - 1));
            const QRect to(QPoint(dx.edge[col], dy.edge[row]), QPoint(dx.edge[col + 1] - 1, dy.edge[row + 1] - 1));
            if (!from.isEmpty() && !to.isEmpty()) {
                p.drawImage(to, image, from);
            }
        }
    }
    p.end();
    return out;
}

QImage cover_image(const QImage& image, const QRect& source, QSize size, qreal ratio) {
    const double scale =
        std::max({1.0, double(size.width()) / source.width(), double(size.height()) / source.height()});
    const QSizeF scaled(source.width() * scale, source.height() * scale);
    const QRectF target(
        (size.width() - scaled.width()) / 2, size.height() - scaled.height(), scaled.width(), scaled.height());
    QImage out = blank(size, ratio);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (scale == 1.0 && unscaled(ratio)) {
        p.drawImage(QPoint(int(std::lround(target.left())), int(std::lround(target.top()))), image, source);
    } else {
        p.drawImage(target, image, source);
    }
    p.end();
    return out;
}

}  // namespace

qreal ratio_of(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    return device ? device->devicePixelRatioF() : 1.0;
}

SliceCache::Key SliceCache::key(const QImage& image, const QRect& source, const QMargins& m, QSize size, Kind kind,
                                qreal ratio) {
    return {image.cacheKey(),
            source.x(),
            source.y(),
            source.width(),
            source.height(),
            m.left(),
            m.top(),
            m.right(),
            m.bottom(),
            size.width(),
            size.height(),
            kind,
            int(std::lround(ratio * 1000))};
}

template <typename Make>
const QPixmap& SliceCache::find_or_make(const Key& k, Make&& make) {
    auto it = pixmaps_.find(k);
    if (it == pixmaps_.end()) {
        it = pixmaps_.emplace(k, QPixmap::fromImage(make())).first;
    }
    return it->second;
}

const QPixmap& SliceCache::nineSlice(const QImage& image, const QRect& source, const QMargins& margins, QSize size,
                                     bool middle, qreal ratio) {
    const Key k = key(image, source, margins, size, middle ? Kind::NineSlice : Kind::NineSliceFrame, ratio);
    return find_or_make(k, [&] { return nine_slice_image(image, source, margins, size, middle, ratio); });
}

const QPixmap& SliceCache::cover(const QImage& image, const QRect& source, QSize size, qreal ratio) {
    const Key k = key(image, source, QMargins(), size, Kind::Cover, ratio);
    return find_or_make(k, [&] { return cover_image(image, source, size, ratio); });
}

const QPixmap& SliceCache::piece(const QImage& image, const QRect& source, qreal ratio) {
    return nineSlice(image, source, QMargins(), source.size(), true, ratio);
}

}  // namespace kestrun::skin
