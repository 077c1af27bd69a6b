// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/label_accessible.h"

#include <algorithm>

#include <QFontMetrics>

#include "shell/controls.h"

namespace shell {

LabelAccessible::LabelAccessible(TLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

QString LabelAccessible::shown() const { return static_cast<const TLabel*>(widget())->text(); }

QString LabelAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return shown();
    return QAccessibleWidget::text(kind);
}

void* LabelAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void LabelAccessible::selection(int, int* startOffset, int* endOffset) const { *startOffset = *endOffset = 0; }

QString LabelAccessible::text(int startOffset, int endOffset) const {
    const QString all = shown();
    const int start = std::clamp(startOffset, 0, static_cast<int>(all.size()));
    const int end =
        endOffset < 0 ? static_cast<int>(all.size()) : std::clamp(endOffset, start, static_cast<int>(all.size()));
    return all.mid(start, end - start);
}

int LabelAccessible::characterCount() const { return static_cast<int>(shown().size()); }

QRect LabelAccessible::characterRect(int offset) const {
    const QString all = shown();
    if (offset < 0 || offset >= all.size()) return {};
    const QFontMetrics metrics(widget()->font());
    const int left = metrics.horizontalAdvance(all.left(offset));
    const QRect local(left, 0, metrics.horizontalAdvance(all.mid(offset, 1)), metrics.height());
    return QRect(widget()->mapToGlobal(local.topLeft()), local.size());
}

int LabelAccessible::offsetAtPoint(const QPoint& point) const {
    const QString all = shown();
    const QPoint local = widget()->mapFromGlobal(point);
    if (!widget()->rect().contains(local)) return -1;
    const QFontMetrics metrics(widget()->font());
    for (int i = 0; i < all.size(); ++i)
        if (local.x() < metrics.horizontalAdvance(all.left(i + 1))) return i;
    return -1;
}

QString LabelAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    (void)offset;
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

}  // namespace shell
