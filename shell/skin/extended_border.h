// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The extended border: a translucent window around the main window, drawn from the skin's
// "EXBORDER" image, that follows the main window and never takes the focus or the mouse.

#include <QImage>
#include <QMargins>
#include <QPointer>
#include <QWidget>

#include "shell/skin/slice_cache.h"

namespace kestrun::skin {

class ExtendedBorder : public QWidget {
    Q_OBJECT
public:
    // `width`: how far the border reaches beyond the window; `margins`: the image's slices that keep
    // their size.
    ExtendedBorder(QWidget& form, QImage image, int width, QMargins margins);

    // Where the border stands for a window at `formGeometry`.
    QRect geometryFor(const QRect& formGeometry) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();

    QPointer<QWidget> form_;
    QImage image_;
    int width_;
    QMargins margins_;
    SliceCache cache_;
};

}  // namespace kestrun::skin
