#pragma once

#include "platform/MessageSink.h"

#include <QString>

// Everything the windows ask of the desktop around them: message boxes (through
// MessageSink, so the album steps can use them too), the page viewer, the length
// of the pauses that let progress captions be read, and the end of the program.
// The real implementation talks to Qt; tests use a scripted one.
class Desktop : public MessageSink {
public:
    // Opens the finished album's "start.htm" in the system's viewer, without
    // waiting; false when no viewer could be started.
    virtual bool openAlbumPage(const QString& startPagePath) = 0;
    // How long a progress caption asking for the given pause stays before the
    // work goes on, in milliseconds.
    virtual int captionPause(int milliseconds) = 0;
    // Ends the program at once; no window's close handling runs afterwards.
    virtual void endProgram() = 0;
};
