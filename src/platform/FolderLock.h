#pragma once

#include "platform/Outcome.h"

#include <QString>
#include <memory>

// An exclusive hold on a folder for one run: a second program (or a second
// wizard) of the same user that asks for the same folder is refused at once
// instead of waiting. The hold is a lock file in the user's own folder named by
// the folder's identity, so it stays when the folder is renamed, nobody else
// can take it, and the kernel lets it go when the program ends, however it
// ends. Holds taken again in the same program on the same folder share the
// first one.
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
