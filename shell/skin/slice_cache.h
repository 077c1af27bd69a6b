#pragma once
// Scaled parts of skin images, made once per size and kept: painting only copies pixmaps.

#include <map>
#include <tuple>

#include <QImage>
#include <QMargins>
#include <QPixmap>
#include <QRect>
#include <QSize>

namespace kestrun::skin {

class SliceCache {
public:
    // The `source` part of `image` at `size`: its margins keep their size (shrunk in proportion
    // when `size` is too small for them), the rest is stretched by repeating pixels; without `middle` the middle stays
    // transparent.
    const QPixmap& nineSlice(const QImage& image, const QRect& source, const QMargins& margins, QSize size,
                             bool middle = true);
    // The `source` part of `image` covering `size` without distortion: unscaled when it is large
    // enough, else enlarged; centred across, and resting on its bottom edge.
    const QPixmap& cover(const QImage& image, const QRect& source, QSize size);

    std::size_t size() const { return pixmaps_.size(); }

private:
    enum class Kind { NineSlice, NineSliceFrame, Cover };
    using Key = std::tuple<qint64, int, int, int, int, int, int, int, int, int, int, Kind>;
    static Key key(const QImage& image, const QRect& source, const QMargins& margins, QSize size, Kind kind);
    std::map<Key, QPixmap> pixmaps_;
};

}  // namespace kestrun::skin
