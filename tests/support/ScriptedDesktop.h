#pragma once

#include "wizard/Desktop.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>

// A desktop that plays back prepared answers and records what the windows asked
// of it, for tests and for the unattended benchmark and screenshot runs.
class ScriptedDesktop : public Desktop {
public:
    struct Shown {
        bool question = false;
        QString text;
        QString title;
    };

    void inform(const QString& text) override;
    bool askYesNo(const QString& text, const QString& title, Answer safeAnswer) override;
    bool openAlbumPage(const QString& startPagePath) override;
    // Records the pause and asks for none, so runs take no longer than the work.
    int captionPause(int milliseconds) override;
    void endProgram() override;

    // The answers to the next questions, in order; an unscripted question gets No.
    void answer(bool yes) { answers_.enqueue(yes); }

    // Runs whenever a box would be shown, before it is recorded as answered.
    std::function<void(const Shown&)> onShown;

    const QList<Shown>& shown() const { return shown_; }
    QStringList texts() const;
    const QStringList& openedPages() const { return openedPages_; }
    const QList<int>& pauses() const { return pauses_; }
    int programEnds() const { return programEnds_; }
    void clear();

private:
    QQueue<bool> answers_;
    QList<Shown> shown_;
    QStringList openedPages_;
    QList<int> pauses_;
    int programEnds_ = 0;
};
