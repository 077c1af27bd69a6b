// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Scaled parts of skin images, made once per size and device pixel ratio and kept: painting only copies
// pixmaps. On a scaled screen (`ratio` above 1) a part is made with the screen's own pixels, filtered
// smoothly, so that the art is as sharp as the screen allows instead of enlarged pixel by pixel.

#include <map>
#include <tuple>

#include <QImage>
#include <QMargins>
#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <QSize>

namespace kestrun::skin {

// The device pixel ratio of what `painter` paints on.
qreal ratio_of(const QPainter& painter);

class SliceCache {
public:
    // The `source` part of `image` at `size`: its margins keep their size (shrunk in proportion
    // when `size` is too small for them), the rest is stretched by repeating pixels; without `middle` the middle stays
    // transparent.
    const QPixmap& nineSlice(const QImage& image, const QRect& source, const QMargins& margins, QSize size,
                             bool middle = true, qreal ratio = 1.0);
    // The `source` part of `image` covering `size` without distortion: unscaled when it is large
    // enough, else enlarged; centred across, and resting on its bottom edge.
    const QPixmap& cover(const QImage& image, const QRect& source, QSize size, qreal ratio = 1.0);
    // The `source` part of `image` at its own size.
    const QPixmap& piece(const QImage& image, const QRect& source, qreal ratio = 1.0);

    std::size_t size() const { return pixmaps_.size(); }

private:
    enum class Kind { NineSlice, NineSliceFrame, Cover };
    using Key = std::tuple<qint64, int, int, int, int, int, int, int, int, int, int, Kind, int>;
    static Key key(const QImage& image, const QRect& source, const QMargins& margins, QSize size, Kind kind,
                   qreal ratio);
    template <typename Make>
    const QPixmap& find_or_make(const Key& k, Make&& make);
    std::map<Key, QPixmap> pixmaps_;
};

}  // namespace kestrun::skin
