#pragma once

#include "platform/Outcome.h"

#include <QString>
#include <memory>

// An exclusive hold on a folder for one run: a second program (or a second
// wizard) that asks for the same folder is refused at once instead of waiting.
// The hold is on the folder itself, so it stays when the folder is renamed, and
// the kernel lets it go when the program ends, however it ends. Holds taken
// again in the same program on the same folder share the first one.
class FolderLock {
public:
    FolderLock() = default;

    // Takes the hold; a failure says in Russian that another run works there.
    static Result<FolderLock> acquire(const QString& folder);

    bool held() const { return static_cast<bool>(hold_); }
    // Lets the folder go (also when the last copy of the lock is destroyed).
    void release() { hold_.reset(); }

    struct Hold; // the open folder, shared by every lock of this program on it

private:
    std::shared_ptr<Hold> hold_;
};
