#pragma once

#include <QString>

class FileOps;
class FolderLocks;

// What a program's main hands to the wizard and to the command-line run: the
// disk every change goes through, the program's holds on folders, and the
// folder the program lives in (its navigation images and image library).
// Tests hand in their own.
struct ProgramServices {
    FileOps& files;
    FolderLocks& locks;
    QString programFolder;
};
