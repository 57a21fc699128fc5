#include "wizard/AccessibleWidgets.h"

#include "wizard/ColourBar.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QFrame>

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

// A colour bar is heard as a slider whose value is its colour component, not as
// a scroll bar counting down from the top.
class ColourBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ColourBarAccessible(ColourBar* bar) : QAccessibleWidget(bar, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return QString::number(bar()->component());
        return QAccessibleWidget::text(kind);
    }
    QVariant currentValue() const override { return bar()->component(); }
    void setCurrentValue(const QVariant& value) override { bar()->setComponent(value.toInt()); }
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return bar()->minimum(); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    ColourBar* bar() const { return static_cast<ColourBar*>(widget()); }
};

// A line only divides the window: a screen reader passes it by rather than
// stopping at an unnamed frame.
class LineAccessible : public QAccessibleWidget {
public:
    explicit LineAccessible(QWidget* line) : QAccessibleWidget(line, QAccessible::Separator) {}

    QAccessible::State state() const override {
        QAccessible::State hidden = QAccessibleWidget::state();
        hidden.invisible = true;
        return hidden;
    }
};

bool isLine(QObject* object) {
    const QFrame::Shape shape = static_cast<QFrame*>(object)->frameShape();
    return shape == QFrame::HLine || shape == QFrame::VLine;
}

QAccessibleInterface* wizardWidgetFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("WizardWindow"))
        return new WindowAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1String("DriveList"))
        return new DriveListAccessible(static_cast<QComboBox*>(object));
    if (className == QLatin1String("ColourBar"))
        return new ColourBarAccessible(static_cast<ColourBar*>(object));
    if (className == QLatin1String("QFrame") && isLine(object))
        return new LineAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void installAccessibleWidgets() {
    static const bool installed = (QAccessible::installFactory(wizardWidgetFactory), true);
    (void)installed;
}
