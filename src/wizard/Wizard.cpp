#include "wizard/Wizard.h"

#include "wizard/AboutBox.h"
#include "wizard/Desktop.h"
#include "wizard/GenerationWindow.h"
#include "wizard/PreparationWindow.h"
#include "wizard/SelectionWindow.h"
#include "wizard/SettingsWindow.h"

#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <algorithm>

namespace {

// Centres the window's frame on that of `from`, on the screen `from` is on.
void centreOver(QWidget* window, const QWidget* from) {
    if (QLayout* layout = window->layout())
        layout->activate();
    const QRect outer = from->frameGeometry();
    const QRect inner = from->geometry();
    // The new window's frame is taken to be as wide as that of `from`.
    QRect frame(QPoint(), window->size() + outer.size() - inner.size());
    frame.moveCenter(outer.center());
    const QRect screen = from->screen()->availableGeometry();
    frame.moveLeft(
        std::max(screen.left(), std::min(frame.left(), screen.right() + 1 - frame.width())));
    frame.moveTop(
        std::max(screen.top(), std::min(frame.top(), screen.bottom() + 1 - frame.height())));
    window->move(frame.topLeft());
}

} // namespace

Wizard::Wizard(Desktop& desktop, const ProgramServices& services, const QString& startFolder)
    : desktop_(desktop), services_(services), startFolder_(startFolder) {}

Wizard::~Wizard() {
    // Destroying windows runs no close handling, as at the program's end.
    for (const QPointer<QWidget>& window : built_)
        delete window.data();
}

void Wizard::start() {
    if (!selectionWindow_) {
        selectionWindow_ = new SelectionWindow(*this);
        built_.append(selectionWindow_);
    }
    showSelectionWindow();
}

void Wizard::showSelectionWindow() {
    if (selectionWindow_)
        bringUp(selectionWindow_);
}

void Wizard::bringUp(QWidget* window) {
    if (!window->isVisible()) {
        for (auto from = visited_.crbegin(); from != visited_.crend(); ++from) {
            if (*from && *from != window) {
                centreOver(window, *from);
                break;
            }
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
    noteActive(window);
}

template <typename Window> Window* Wizard::showDisposable(QPointer<Window>& slot) {
    if (!slot) {
        auto* window = new Window(*this);
        slot = window;
        built_.removeIf([](const QPointer<QWidget>& gone) { return gone.isNull(); });
        built_.append(window);
        // A closed window counts as gone at once, even before it is destroyed,
        // so the next showing builds and loads it anew.
        connect(window, &WizardWindow::closed, this, [&slot, window] {
            if (slot == window)
                slot = nullptr;
        });
    }
    Window* window = slot;
    bringUp(window);
    return window;
}

SettingsWindow* Wizard::showSettingsWindow() {
    return showDisposable(settingsWindow_);
}

PreparationWindow* Wizard::showPreparationWindow() {
    const bool wasOpen = preparationWindow_;
    PreparationWindow* window = showDisposable(preparationWindow_);
    if (wasOpen)
        window->reload();
    return window;
}

GenerationWindow* Wizard::showGenerationWindow() {
    return showDisposable(generationWindow_);
}

AboutBox* Wizard::showAboutBox() {
    return showDisposable(aboutBox_);
}

void Wizard::noteActive(QWidget* window) {
    visited_.removeIf([window](const QPointer<QWidget>& seen) { return seen == window || !seen; });
    visited_.append(window);
}

void Wizard::activateOpenWindow() {
    if (QApplication::activeWindow())
        return;
    for (auto window = visited_.crbegin(); window != visited_.crend(); ++window) {
        if (*window && (*window)->isVisible()) {
            (*window)->raise();
            (*window)->activateWindow();
            return;
        }
    }
}

SettingsWindow* Wizard::settingsWindow() const {
    return settingsWindow_;
}

PreparationWindow* Wizard::preparationWindow() const {
    return preparationWindow_;
}

GenerationWindow* Wizard::generationWindow() const {
    return generationWindow_;
}

AboutBox* Wizard::aboutBox() const {
    return aboutBox_;
}

void Wizard::setBusy(bool busy, QWidget* leftOpen) {
    busy_ = busy;
    if (!busy) {
        for (const QPointer<QWidget>& part : std::as_const(disabled_)) {
            if (part)
                part->setEnabled(true);
        }
        // A disabled window forgets its focus; it gets it back for when it is active again.
        for (const QPointer<QWidget>& focus : std::as_const(focused_)) {
            if (focus)
                focus->setFocus();
        }
        disabled_.clear();
        focused_.clear();
        return;
    }
    for (const QPointer<QWidget>& window : std::as_const(built_)) {
        if (!window)
            continue;
        if (QWidget* focus = window->focusWidget(); focus && focus != window)
            focused_.append(focus);
        // The window holding the open control is disabled around it.
        const QWidgetList parts = window->isAncestorOf(leftOpen)
                                      ? window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)
                                      : QWidgetList{window};
        for (QWidget* part : parts) {
            if (part->isEnabled() && part != leftOpen && !part->isAncestorOf(leftOpen)) {
                part->setEnabled(false);
                disabled_.append(part);
            }
        }
    }
}

void Wizard::endProgram() {
    if (ended_)
        return;
    ended_ = true;
    desktop_.endProgram();
}
