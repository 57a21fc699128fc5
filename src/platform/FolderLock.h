#pragma once

#include "platform/Outcome.h"

#include <QString>
#include <memory>

// An exclusive hold on a folder for one run: a second program (or a second
// wizard) of the same user that asks for the same folder is refused at once
// instead of waiting. The hold is a lock file in the user's own folder named by
// the folder's identity, so it stays when the folder is renamed, nobody else
// can take it, and the kernel lets it go when the program ends, however it
// ends. Locks are taken through the program's FolderLocks.
class FolderLock {
public:
    FolderLock() = default;

    bool held() const { return static_cast<bool>(hold_); }
    // Lets the folder go (also when the last copy of the lock is destroyed).
    void release() { hold_.reset(); }

    struct Hold; // the open lock file, shared by every lock of this program on it

private:
    friend class FolderLocks;
    std::shared_ptr<Hold> hold_;
};

// The holds one program has taken: a hold asked for again on the same folder
// shares the first one, so that the wizard's steps never lock themselves out.
// The program's main makes one and hands it to everything that locks.
class FolderLocks {
public:
    FolderLocks();

    // Takes the hold; a failure says in Russian that another run works there.
    Result<FolderLock> acquire(const QString& folder);

    struct Registry; // the holds by folder identity, outliving this object while held

private:
    std::shared_ptr<Registry> registry_;
};
