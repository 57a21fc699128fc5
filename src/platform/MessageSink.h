#pragma once

#include "platform/Outcome.h"

#include <QString>

// Where the wizard's steps send their messages: message boxes in the windows,
// standard error in the command-line tool, a script in the tests.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // An OK-only message carrying the application's title.
    virtual void inform(const QString& text) = 0;
    // A titled Yes/No question; true when the answer is Yes. Escape gives
    // `safeAnswer`, the answer that changes nothing.
    enum class Answer { No, Yes };
    virtual bool askYesNo(const QString& text, const QString& title, Answer safeAnswer) = 0;
};

// The application's title on message boxes that have none of their own.
QString applicationTitle();

// Tells the user a step's outcome: its notes, then its message when it failed.
void tell(MessageSink& messages, const Outcome& outcome);
