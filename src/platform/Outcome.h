#pragma once

#include <QString>
#include <QStringList>
#include <utility>

// How a step ended: done, failed (with the Russian message the user reads:
// which file, and why), or declined by the user's answer to a question (no
// message).
enum class Status { Done, Failed, Declined };

// The outcome of anything that can fail or be declined. Notes are what the
// user is told whatever the outcome, before the message (a limit that left
// photos out, an interrupted run put back). Steps only return outcomes; the
// caller (a window or the command line) shows them.
struct [[nodiscard]] Outcome {
    Status status = Status::Done;
    QString message;
    QStringList notes;

    bool ok() const { return status == Status::Done; }
    bool declined() const { return status == Status::Declined; }
    explicit operator bool() const { return ok(); }

    static Outcome success() { return {}; }
    static Outcome failure(const QString& why) { return {Status::Failed, why, {}}; }
    static Outcome declinedByUser() { return {Status::Declined, {}, {}}; }
};

// An outcome that carries a value; the value may say more about a failure too.
template <typename T> struct [[nodiscard]] Result : Outcome {
    T value{};

    static Result failure(const QString& why) { return from(Outcome::failure(why)); }
    static Result of(T value) {
        Result result;
        result.value = std::move(value);
        return result;
    }
    // Another step's outcome, notes included, with a value yet to be given.
    static Result from(const Outcome& outcome) {
        Result result;
        static_cast<Outcome&>(result) = outcome;
        return result;
    }
};
