#pragma once

#include "DiskContents.h"
#include "generator/ProgressSink.h"
#include "platform/FileOps.h"
#include "platform/MessageSink.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <utility>

// A message sink that remembers every message and answers questions from a
// script (No once the script has run out).
class ScriptedMessages : public MessageSink {
public:
    struct Question {
        QString text;
        QString title;
    };

    explicit ScriptedMessages(QList<bool> answers = {}) : answers_(std::move(answers)) {}

    void inform(const QString& text) override { informed.append(text); }
    bool askYesNo(const QString& text, const QString& title, Answer safeAnswer) override;

    // Shows a step's outcome as a window would, and hands it on.
    template <typename Step> const Step& told(const Step& step) {
        tell(*this, step);
        return step;
    }

    QStringList informed;
    QList<Question> asked;

private:
    QList<bool> answers_;
};

// A progress sink that remembers every caption with its pause.
class RecordingProgress : public ProgressSink {
public:
    struct Caption {
        QString text;
        int pauseMs = 0;
    };
    void caption(const QString& text, int pauseMs) override { captions.append({text, pauseMs}); }

    QList<Caption> captions;
};

// The lines of a page as a browser reads it: decoded from Windows-1251, split at
// CR LF. Reports a test failure when a line is not ended by CR LF (the last one
// included) or when a bare CR or LF stands inside a line.
QStringList pageLines(const QByteArray& bytes);

// The same for a page file on disk.
QStringList pageFileLines(const QString& path);

// The address the page's link with that relation ("prev", "next", "up") leads
// to; empty when it has none. Reports a test failure when it has several.
QString linkWithRel(const QByteArray& page, const QString& rel);
