#pragma once

#include <QString>
#include <QStringList>

// The outcome of anything that can fail or be declined: success, a failure with
// the Russian message the user reads (which file, and why), or a step the user
// declined by a question's answer (no message). Notes are what the user is told
// whatever the outcome, before the message (a limit that left photos out, an
// interrupted run put back). Steps only return outcomes; the caller (a window
// or the command line) shows them.
struct Outcome {
    bool ok = true;
    QString message;
    QStringList notes;
    bool declined = false;

    static Outcome success() { return {}; }
    static Outcome failure(const QString& why) { return {false, why, {}, false}; }
    static Outcome declinedByUser() { return {false, {}, {}, true}; }
    explicit operator bool() const { return ok; }
};

// An outcome that carries a value on success.
template <typename T> struct Result : Outcome {
    T value{};

    static Result failure(const QString& why) {
        Result result;
        result.ok = false;
        result.message = why;
        return result;
    }
    static Result of(T value) {
        Result result;
        result.value = std::move(value);
        return result;
    }
};
