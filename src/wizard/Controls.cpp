#include "wizard/Controls.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

void setObjectNames(std::initializer_list<std::pair<QObject*, const char*>> controls) {
    for (const auto& [control, name] : controls)
        control->setObjectName(QString::fromLatin1(name));
}

void setTabChain(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

QLabel* makeLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

namespace {

// Enter presses the button that has the focus, as Space does. The windows are
// no dialogs, so no button is a default that Enter would press elsewhere.
class Button : public QPushButton {
public:
    Button(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
        setAutoDefault(false);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
            click();
        else
            QPushButton::keyPressEvent(event);
    }
};

} // namespace

QPushButton* makeButton(QWidget* parent, const QString& caption) {
    return new Button(caption, parent);
}

QFrame* makeLine(QWidget* parent, Qt::Orientation orientation) {
    auto* line = new QFrame(parent);
    line->setFrameShape(orientation == Qt::Horizontal ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFocusPolicy(Qt::NoFocus);
    return line;
}

QLabel* makeHeading(QWidget* parent, const QString& text, int pointSizeDelta) {
    QLabel* label = makeLabel(parent, text);
    useHeadingFont(label, pointSizeDelta);
    return label;
}

void useHeadingFont(QWidget* control, int pointSizeDelta) {
    QFont font = control->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + pointSizeDelta);
    control->setFont(font);
}
