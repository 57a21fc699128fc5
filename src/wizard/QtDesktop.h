#pragma once

#include "wizard/Desktop.h"

// Message boxes, the page viewer and the program end of a real Qt session.
class QtDesktop : public Desktop {
public:
    void inform(const QString& text) override;
    bool askYesNo(const QString& text, const QString& title, Answer safeAnswer) override;
    bool openAlbumPage(const QString& startPagePath) override;
    int captionPause(int milliseconds) override;
    void endProgram() override;
};
