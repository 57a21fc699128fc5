#include "wizard/Wizard.h"

#include "wizard/Desktop.h"
#include "wizard/FormG.h"
#include "wizard/FormN.h"
#include "wizard/FormP.h"
#include "wizard/FormV.h"
#include "wizard/frmAbout.h"

Wizard::Wizard(Desktop& desktop, const QString& startFolder, const QString& programFolder)
    : desktop_(desktop), startFolder_(startFolder), programFolder_(programFolder) {}

Wizard::~Wizard() {
    // Destroying windows runs no close handling, as at the program's end.
    for (const QPointer<QWidget>& window : built_)
        delete window.data();
}

void Wizard::start() {
    if (!formV_) {
        formV_ = new FormV(*this);
        built_.append(formV_);
    }
    showFormV();
}

void Wizard::showFormV() {
    if (!formV_)
        return;
    formV_->show();
    formV_->raise();
    formV_->activateWindow();
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
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

FormN* Wizard::showFormN() {
    return showDisposable(formN_);
}

FormP* Wizard::showFormP() {
    return showDisposable(formP_);
}

FormG* Wizard::showFormG() {
    return showDisposable(formG_);
}

frmAbout* Wizard::showAbout() {
    return showDisposable(about_);
}

FormN* Wizard::formN() const {
    return formN_;
}

FormP* Wizard::formP() const {
    return formP_;
}

FormG* Wizard::formG() const {
    return formG_;
}

frmAbout* Wizard::about() const {
    return about_;
}

QString Wizard::typedAlbumName() const {
    return formV_ ? formV_->typedAlbumName() : QString();
}

void Wizard::endProgram() {
    if (ended_)
        return;
    ended_ = true;
    desktop_.endProgram();
}
