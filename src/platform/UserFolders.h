#pragma once

#include "platform/Outcome.h"

#include <QString>
#include <cstdint>

// Folders where only the user running the program can write. What the program
// must trust about an earlier run (a rename journal, a finished album, the lock
// of a folder) is kept there and never in a photo folder, which others may
// have written: an unpacked archive makes every file in it the user's own.

// $XDG_STATE_HOME/photoalbum, by default ~/.local/state/photoalbum: made with
// mode 0700 when missing; refused when it is a link, not a folder, or owned by
// another user. Its real path, without a trailing separator.
Result<QString> userStateFolder();

// $XDG_RUNTIME_DIR/photoalbum when the runtime folder is the user's own, else
// the state folder: the locks of running runs.
Result<QString> userLockFolder();

// The name of the records of a folder with this identity: a rename keeps it.
QString identityName(std::uint64_t device, std::uint64_t inode);
