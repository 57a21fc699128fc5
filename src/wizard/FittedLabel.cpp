#include "wizard/FittedLabel.h"

#include <QStringList>

FittedLabel::FittedLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    QSizePolicy policy = sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    setSizePolicy(policy);
}

void FittedLabel::setFullText(const QString& text) {
    full_ = text;
    fit();
}

void FittedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fit();
}

void FittedLabel::fit() {
    const int room = contentsRect().width();
    const QFontMetrics metrics = fontMetrics();
    QString shown;
    if (wordWrap()) {
        QStringList words = full_.split(QLatin1Char(' '));
        for (QString& word : words)
            word = metrics.elidedText(word, Qt::ElideRight, room);
        shown = words.join(QLatin1Char(' '));
    } else {
        shown = metrics.elidedText(full_, Qt::ElideRight, room);
    }
    if (shown != text())
        setText(shown);
    const QString whole = shown == full_ ? QString() : full_;
    setToolTip(whole);
    // An empty name lets the label be heard by what it shows.
    if (accessibleName() != whole)
        setAccessibleName(whole);
}
