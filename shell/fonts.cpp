// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/fonts.h"
#include "shell/shell_log.h"

#include <cstdlib>

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QtGlobal>

namespace shell {

namespace {

struct Face {
    const char* family;
    const char* regularFile;
    const char* boldFile;  // nullptr: bold is drawn from the regular face
    const char* standIn;   // used when the regular file is missing
    QString resolved;
};

Face msSansSerifFace{"MS Sans Serif", "/usr/share/wine/fonts/ms_sans_serif.ttf", nullptr, "DejaVu Sans", {}};
// fonts-wine's tahomabd.ttf draws hardly heavier than the regular face and spaces some glyphs apart
// ("Win/ Reset"), so bold Tahoma is drawn by emboldening the regular face instead.
Face tahomaFace{"Tahoma", "/usr/share/wine/fonts/tahoma.ttf", nullptr, "DejaVu Sans Condensed", {}};

// The family name under which the file was registered, or an empty text (with a warning).
QString addFontFile(const char* file) {
    const QString path = QString::fromLatin1(file);
    if (!QFile::exists(path)) {
        qCWarning(lcShell, "font file %s is missing (Debian package fonts-wine)", file);
        return {};
    }
    const QStringList families = QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(path));
    if (families.isEmpty()) {
        qCWarning(lcShell, "font file %s could not be loaded", file);
        return {};
    }
    return families.front();
}

void registerFace(Face& face) {
    face.resolved = addFontFile(face.regularFile);
    if (face.resolved.isEmpty()) {
        qCWarning(lcShell, "\"%s\" stands in for \"%s\"", face.standIn, face.family);
        face.resolved = QString::fromLatin1(face.standIn);
        return;
    }
    if (face.boldFile && addFontFile(face.boldFile).isEmpty())
        qCWarning(lcShell, "bold \"%s\" is drawn from its regular face", face.family);
}

// The family to ask for: the registered one, or the face's own name before registration.
QString familyOf(const Face& face) {
    return face.resolved.isEmpty() ? QString::fromLatin1(face.family) : face.resolved;
}

QFont faceFont(const Face& face, int pixels, bool bold) {
    QFont font(familyOf(face));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    // Drawn without kerning, as the captions were laid out, so that every caption keeps its width.
    font.setKerning(false);
    return font;
}

// fonts-wine's "MS Sans Serif" is a bitmap face with strikes for three character heights; a strike is
// asked for by its cell height, the character height plus the internal leading.
int msSansSerifStrike(int characterHeight) {
    struct Strike {
        int characterHeight;
        int cellHeight;
    };
    constexpr Strike strikes[] = {{11, 13}, {13, 16}, {16, 20}};
    const Strike* best = &strikes[0];
    for (const Strike& s : strikes)
        if (std::abs(s.characterHeight - characterHeight) < std::abs(best->characterHeight - characterHeight))
            best = &s;
    return best->cellHeight;
}

bool msSansSerifIsBitmap() { return familyOf(msSansSerifFace) == QLatin1String(msSansSerifFace.family); }

// Set at registration: some screen draws logical pixels with more than one device pixel.
bool scaledScreens = false;

bool anyScreenScaled() {
    if (!qGuiApp) return false;
    for (const QScreen* screen : QGuiApplication::screens())
        if (!qFuzzyCompare(screen->devicePixelRatio(), 1.0)) return true;
    return false;
}

}  // namespace

void registerWindowFonts() {
    static bool done = false;
    if (done) return;
    done = true;
    scaledScreens = anyScreenScaled();
    registerFace(msSansSerifFace);
    registerFace(tahomaFace);
}

QFont msSansSerif(int pixels, bool bold) {
    if (!msSansSerifIsBitmap()) return faceFont(msSansSerifFace, pixels, bold);
    // A bitmap face cannot be emboldened: bold "MS Sans Serif" is stood in for by bold "Tahoma", the
    // face that followed it, at the same character height.
    if (bold) return faceFont(tahomaFace, pixels, true);
    // Its strikes exist only for unscaled screens; on a scaled screen the text is drawn with "Tahoma",
    // the scalable face of the same metrics class, so that it grows with the window and stays sharp.
    if (scaledScreens) return faceFont(tahomaFace, pixels, false);
    return faceFont(msSansSerifFace, msSansSerifStrike(pixels), false);
}

QFont tahoma(int pixels, bool bold) { return faceFont(tahomaFace, pixels, bold); }

}  // namespace shell
