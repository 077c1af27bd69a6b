// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the program's two icons and writes them into the folder given as the argument:
//   kestrun-16/32/48/256.png  the main icon: a kestrel flying over a rising stair of three stakes
//   kestrun.svg               the same drawing, scalable, for the desktop's icon theme
//   window-16/32.png          the window's own icon: an autumn sun with a rising stair cut into it
// Both are drawn on a 16-unit grid so that their edges fall on whole pixels at 16 and 32 pixels.

#include <cstdio>

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QSvgGenerator>

namespace {

const QColor kBarkDark(0x3a, 0x1c, 0x0e);
const QColor kBark(0x6b, 0x32, 0x14);
const QColor kGold(0xf7, 0xc9, 0x4b);
const QColor kAmber(0xef, 0x96, 0x2a);
const QColor kRust(0xd9, 0x5a, 0x1e);
const QColor kCream(0xff, 0xf3, 0xdc);

void paintMainIcon(QPainter& p, int size) {
    p.scale(size / 16.0, size / 16.0);

    QLinearGradient ground(0, 0, 0, 16);
    ground.setColorAt(0, kBark);
    ground.setColorAt(1, kBarkDark);
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawRoundedRect(QRectF(0, 0, 16, 16), 3, 3);

    // The stair of stakes, each higher than the one before.
    const struct {
        QRectF bar;
        QColor colour;
    } stakes[] = {
        {{3, 10, 3, 4}, kGold},
        {{7, 7, 3, 7}, kAmber},
        {{11, 4, 3, 10}, kRust},
    };
    for (const auto& stake : stakes) {
        p.setBrush(stake.colour);
        p.drawRect(stake.bar);
        p.setBrush(stake.colour.lighter(125));
        p.drawRect(QRectF(stake.bar.left(), stake.bar.top(), stake.bar.width(), 1));
    }

    // The kestrel seen from below: pointed, swept wings, a small head and a long tail, climbing to the
    // right over the stair.
    QPainterPath bird;
    bird.moveTo(5.8, 0.7);
    bird.quadTo(6.7, 1.3, 6.8, 2.4);
    bird.quadTo(8.9, 2.3, 11.0, 3.9);
    bird.quadTo(8.7, 3.8, 6.7, 4.4);
    bird.lineTo(7.3, 7.0);
    bird.lineTo(4.3, 7.0);
    bird.lineTo(4.9, 4.4);
    bird.quadTo(2.9, 3.8, 0.6, 3.9);
    bird.quadTo(2.7, 2.3, 4.8, 2.4);
    bird.quadTo(4.9, 1.3, 5.8, 0.7);
    bird.closeSubpath();
    p.save();
    p.translate(5.8, 3.9);
    p.rotate(12);
    p.translate(-5.8, -3.9);
    p.setBrush(kCream);
    p.drawPath(bird);
    p.restore();
}

void paintWindowIcon(QPainter& p, int size) {
    p.scale(size / 16.0, size / 16.0);

    QRadialGradient sun(QPointF(6, 5), 10);
    sun.setColorAt(0, kGold.lighter(115));
    sun.setColorAt(0.6, kAmber);
    sun.setColorAt(1, kRust);
    QPainterPath disc;
    disc.addEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setPen(QPen(kBarkDark, 1));
    p.setBrush(sun);
    p.drawPath(disc);

    // A rising stair in the lower right of the sun.
    const QPolygonF stair{{4, 14}, {4, 11}, {7, 11}, {7, 8}, {10, 8}, {10, 5}, {13, 5}, {13, 14}};
    QPainterPath steps;
    steps.addPolygon(stair);
    steps.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kBarkDark);
    p.drawPath(steps.intersected(disc));
}

bool write(const QString& folder, const QString& name, int size, void (*paint)(QPainter&, int)) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p, size);
    }
    const QString file = QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(name).arg(size));
    if (!image.save(file, "PNG")) {
        std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

// The drawing is made on a 16-unit grid; the scalable icon keeps that grid as its view box.
bool writeScalable(const QString& folder, const QString& name, const QString& title, void (*paint)(QPainter&, int)) {
    const QString file = QDir(folder).filePath(name + QStringLiteral(".svg"));
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setTitle(title);
    svg.setDescription(QStringLiteral("A kestrel flying over a rising stair of three stakes"));
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 16, 16));
    {
        QPainter p;
        if (!p.begin(&svg)) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
            return false;
        }
        p.setRenderHint(QPainter::Antialiasing);
        paint(p, 16);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    for (int size : {16, 32, 48, 256}) ok = write(folder, QStringLiteral("kestrun"), size, paintMainIcon) && ok;
    ok = writeScalable(folder, QStringLiteral("kestrun"), QStringLiteral("Tessaro"), paintMainIcon) && ok;
    for (int size : {16, 32}) ok = write(folder, QStringLiteral("window"), size, paintWindowIcon) && ok;
    return ok ? 0 : 1;
}
