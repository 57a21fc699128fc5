#pragma once

#include <QLabel>

// A label that never widens its column: a text too wide for it is cut with an
// ellipsis (when it wraps, only a word too wide for a line is), and the whole
// text is then its tooltip and what a screen reader hears.
class FittedLabel : public QLabel {
public:
    explicit FittedLabel(QWidget* parent);

    void setFullText(const QString& text);
    const QString& fullText() const { return full_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();

    QString full_;
};
