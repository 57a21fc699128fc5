#include "ScriptedDesktop.h"

void ScriptedDesktop::inform(const QString& text) {
    const Shown box{false, text, applicationTitle()};
    shown_.append(box);
    if (onShown)
        onShown(box);
}

bool ScriptedDesktop::askYesNo(const QString& text, const QString& title, Answer) {
    const Shown box{true, text, title};
    shown_.append(box);
    if (onShown)
        onShown(box);
    return !answers_.isEmpty() && answers_.dequeue();
}

bool ScriptedDesktop::openAlbumPage(const QString& startPagePath) {
    openedPages_.append(startPagePath);
    return true;
}

int ScriptedDesktop::captionPause(int milliseconds) {
    pauses_.append(milliseconds);
    return 0;
}

void ScriptedDesktop::endProgram() {
    ++programEnds_;
}

QStringList ScriptedDesktop::texts() const {
    QStringList result;
    for (const Shown& box : shown_)
        result.append(box.text);
    return result;
}

void ScriptedDesktop::clear() {
    shown_.clear();
    openedPages_.clear();
    pauses_.clear();
    programEnds_ = 0;
}
