#pragma once

#include "TestFolder.h"
#include "platform/FolderLock.h"
#include "platform/ProgramServices.h"
#include "platform/RealFileOps.h"

// What a program's main would hand in, for one test: a real disk and a lock
// registry of the test's own.
struct TestServices {
    RealFileOps disk;
    FolderLocks locks;

    // The services over `files` (this real disk when null) with that program folder.
    ProgramServices over(FileOps* files = nullptr, const QString& folder = programFolder()) {
        return {files ? *files : disk, locks, folder};
    }
};
