#pragma once

#include <QString>

// The outcome of anything that can fail: success, or a failure with the Russian
// message the user reads (which file, and why).
struct Outcome {
    bool ok = true;
    QString message;

    static Outcome success() { return {}; }
    static Outcome failure(const QString& why) { return {false, why}; }
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
