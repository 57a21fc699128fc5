#include "wizard/Controls.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

void setObjectNames(std::initializer_list<std::pair<QObject*, const char*>> controls) {
    for (const auto& [control, name] : controls)
        control->setObjectName(QString::fromLatin1(name));
}

QLabel* makeLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    return button;
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
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + pointSizeDelta);
    label->setFont(font);
    return label;
}
