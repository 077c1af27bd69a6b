// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The settings of the two skin components, as plain structs. Their defaults are the components'
// built-in values; the window's description fills in the values it stores.

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QString>
#include <vector>

class TSkinManager;

// One skin carried in the program.
struct TStoredSkin {
    QString Name;
    QColor Shadow1Color = Qt::black;
    int Shadow1Offset = 0;
    int Shadow1Transparency = 0;
    QByteArray Data;  // a skin package
};

// Class names, one per line, compared exactly; a list holding one blank names no class.
struct TThirdPartyLists {
    QString ThirdEdits = " ", ThirdButtons = "TButton", ThirdBitBtns = " ", ThirdCheckBoxes = " ",
            ThirdGroupBoxes = " ", ThirdListViews = " ", ThirdPanels = " ", ThirdGrids = " ", ThirdTreeViews = " ",
            ThirdComboBoxes = " ", ThirdWWEdits = " ", ThirdVirtualTrees = " ", ThirdGridEh = " ",
            ThirdPageControl = " ", ThirdTabControl = " ", ThirdToolBar = " ", ThirdStatusBar = " ",
            ThirdSpeedButton = " ", ThirdScrollControl = " ", ThirdUpDown = " ", ThirdScrollBar = " ";
};

// All the lists, for going through them.
// clang-format off
inline constexpr QString TThirdPartyLists::*kThirdPartyLists[] = {
    &TThirdPartyLists::ThirdEdits,       &TThirdPartyLists::ThirdButtons,     &TThirdPartyLists::ThirdBitBtns,
    &TThirdPartyLists::ThirdCheckBoxes,  &TThirdPartyLists::ThirdGroupBoxes,  &TThirdPartyLists::ThirdListViews,
    &TThirdPartyLists::ThirdPanels,      &TThirdPartyLists::ThirdGrids,       &TThirdPartyLists::ThirdTreeViews,
    &TThirdPartyLists::ThirdComboBoxes,  &TThirdPartyLists::ThirdWWEdits,     &TThirdPartyLists::ThirdVirtualTrees,
    &TThirdPartyLists::ThirdGridEh,      &TThirdPartyLists::ThirdPageControl, &TThirdPartyLists::ThirdTabControl,
    &TThirdPartyLists::ThirdToolBar,     &TThirdPartyLists::ThirdStatusBar,   &TThirdPartyLists::ThirdSpeedButton,
    &TThirdPartyLists::ThirdScrollControl, &TThirdPartyLists::ThirdUpDown,    &TThirdPartyLists::ThirdScrollBar,
};
// clang-format on

// Whether `className` stands on one of the lines of `list`, compared exactly.
bool names_class(const QString& list, const QString& className);

struct TMenuSupport {
    QString IcoLineSkin = "ICOLINE";
};

struct TSkinningRules {
    bool srStdForms = true;
    bool srStdDialogs = true;
    bool srThirdParty = true;
};

struct TSkinManagerSettings {
    bool IsDefault = true;
    bool Active = true;
    bool ExtendedBorders = false;
    std::vector<TStoredSkin> InternalSkins;
    TMenuSupport MenuSupport;
    // Empty means the platform's skin directory (see default_skin_directory()).
    QString SkinDirectory;
    QString SkinName;
    QString SkinInfo;  // stored for information only; the manager reports the version in use
    TThirdPartyLists ThirdParty;
    TSkinningRules SkinningRules;
    int HueOffset = 0;
    int Saturation = 0;
};

struct TAddedTitle {
    QString Text;
    QFont Font = QFont("MS Sans Serif");  // character height 11, regular
    QColor Color;                         // clNone: invalid
};

struct TSkinData {
    QString SkinSection = "FORM";
    TSkinManager* SkinManager = nullptr;  // nullptr: the application's default skin manager
};

struct TSkinProviderSettings {
    TSkinData SkinData;
    TAddedTitle AddedTitle;
    QString TitleSkin;  // empty: "FORMTITLE"
    bool DrawNonClientArea = true;
    bool AllowExtBorders = true;
};
