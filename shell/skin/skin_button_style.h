// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Push buttons drawn from a skin: the plate from the "BUTTON" section (or "BUTTON_HUGE" for
// buttons at least its MINHEIGHT tall) in its normal, hot (mouse over) or pressed look, the text in
// that look's colour. Everything else is left to the base style.

#include <memory>
#include <optional>

#include <QProxyStyle>

#include "shell/skin/skin_element.h"
#include "shell/skin/slice_cache.h"

namespace kestrun::skin {

class Skin;

class SkinButtonStyle : public QProxyStyle {
    Q_OBJECT
public:
    SkinButtonStyle(std::shared_ptr<const Skin> skin, QStyle* base);

    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

    // Which look an option asks for.
    static Look lookOf(const QStyleOption& option);

private:
    const SkinElement& elementFor(int height) const;
    void drawPlate(const QStyleOption& option, QPainter* painter, const SkinElement& element) const;

    std::shared_ptr<const Skin> skin_;
    SkinElement button_;
    int hugeMinHeight_ = 0;                    // 0: the skin has no look for tall buttons
    mutable std::optional<SkinElement> huge_;  // read the first time a tall button is drawn
    mutable SliceCache cache_;
};

}  // namespace kestrun::skin
