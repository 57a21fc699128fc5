#include "wizard/AccessibleWidgets.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace {

// A plain top-level widget would be announced as a "filler" (the client role);
// the titles begin with a blank that a screen reader would speak.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->windowTitle().trimmed();
        return QAccessibleWidget::text(kind);
    }
};

// Qt names a combo box on Linux by its current entry alone, which for the
// drive box is a bare "/"; this one has its own name and the entry as value.
class DriveListAccessible : public QAccessibleWidget {
public:
    explicit DriveListAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* wizardWidgetFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("WizardWindow"))
        return new WindowAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1String("DriveList"))
        return new DriveListAccessible(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

void installAccessibleWidgets() {
    static const bool installed = (QAccessible::installFactory(wizardWidgetFactory), true);
    (void)installed;
}
