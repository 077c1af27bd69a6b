#include "shell/mask_edit_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "shell/mask_edit.h"

namespace {

class MaskEditAccessible : public QAccessibleWidget {
public:
    explicit MaskEditAccessible(TMaskEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return static_cast<TMaskEdit*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* makeAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("TMaskEdit") && object && object->isWidgetType())
        return new MaskEditAccessible(static_cast<TMaskEdit*>(object));
    return nullptr;
}

}  // namespace

void installMaskEditAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(makeAccessible);
        return true;
    }();
    (void)installed;
}
