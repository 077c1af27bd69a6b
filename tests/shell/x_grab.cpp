// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves a picture of an X window, as the X server has it, to a PNG file:
//   kestrun_x_grab WINDOW_ID FILE.png [X Y W H [--extent]]
// With a rectangle (window coordinates) it also prints how many of its pixels are ink (text); with
// --extent also the height and width of the box around the ink and the number of blank columns inside
// that box (a gap between characters).

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

int main(int argc, char** argv) {
    const bool extent = argc == 8 && std::strcmp(argv[7], "--extent") == 0;
    if (argc != 3 && argc != 7 && !extent) {
        std::fprintf(stderr, "usage: kestrun_x_grab WINDOW_ID FILE.png [X Y W H [--extent]]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    bool ok = false;
    const WId window = QString::fromLatin1(argv[1]).toULongLong(&ok, 0);
    if (!ok) {
        std::fprintf(stderr, "kestrun_x_grab: %s is no window id\n", argv[1]);
        return 2;
    }
    const QImage image = QGuiApplication::primaryScreen()->grabWindow(window).toImage();
    if (image.isNull() || !image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "kestrun_x_grab: cannot grab window %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    if (argc >= 7) {
        const QRect area(atoi(argv[3]), atoi(argv[4]), atoi(argv[5]), atoi(argv[6]));
        // Ink: pixels far from the area's median grey, so that dark text on a light face and light text
        // on a dark skin both count.
        std::vector<int> greys;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.rect().contains(x, y)) greys.push_back(qGray(image.pixel(x, y)));
        int ink = 0;
        QRect box;
        std::vector<bool> inkColumns(std::max(0, area.width()), false);
        if (!greys.empty()) {
            std::vector<int> sorted = greys;
            std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
            const int median = sorted[sorted.size() / 2];
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (image.rect().contains(x, y) && std::abs(qGray(image.pixel(x, y)) - median) > 80) {
                        ++ink;
                        box |= QRect(x, y, 1, 1);
                        inkColumns[x - area.left()] = true;
                    }
        }
        if (!extent) {
            std::printf("%d\n", ink);
            return 0;
        }
        int blankColumns = 0;
        for (int x = box.left(); !box.isEmpty() && x <= box.right(); ++x)
            if (!inkColumns[x - area.left()]) ++blankColumns;
        std::printf("%d %d %d %d\n", ink, box.height(), box.width(), blankColumns);
    }
    return 0;
}
