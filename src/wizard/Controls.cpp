#include "wizard/Controls.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QFrame* makeLine(QWidget* parent, const char* name, Qt::Orientation orientation) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(orientation == Qt::Horizontal ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFocusPolicy(Qt::NoFocus);
    return line;
}

QLabel* makeHeading(QWidget* parent, const char* name, const QString& text, int pointSizeDelta) {
    QLabel* label = makeLabel(parent, name, text);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + pointSizeDelta);
    label->setFont(font);
    return label;
}
