#include "wizard/WizardWindow.h"

#include "wizard/AccessibleWidgets.h"
#include "wizard/ApplicationIcon.h"
#include "wizard/Desktop.h"
#include "wizard/Wizard.h"

#include <QCloseEvent>
#include <QTimer>

WizardWindow::WizardWindow(Wizard& wizard, const QString& caption, bool disposable)
    : QWidget(nullptr), wizard_(wizard) {
    installAccessibleWidgets();
    setWindowTitle(caption);
    setWindowIcon(applicationIcon());
    setAttribute(Qt::WA_DeleteOnClose, disposable);
}

AlbumState& WizardWindow::state() const {
    return wizard_.state();
}

Desktop& WizardWindow::desktop() const {
    return wizard_.desktop();
}

QWidget* WizardWindow::raisingWindow() {
    for (const Raising* r = Raising::innermost; r; r = r->outer) {
        if (r->window->isVisible())
            return r->window;
    }
    return nullptr;
}

void WizardWindow::closeFromCode() {
    closingFromCode_ = true;
    close();
    closingFromCode_ = false;
}

void WizardWindow::closeEvent(QCloseEvent* event) {
    // While the album is being written no window goes away.
    if (wizard_.busy()) {
        event->ignore();
        return;
    }
    const bool byUser = !closingFromCode_;
    event->accept();
    // Once this window is gone, the keyboard goes back to a window of ours
    // rather than to none (the wizard's own next step may already have chosen one).
    QTimer::singleShot(0, &wizard_, [wizard = &wizard_] { wizard->activateOpenWindow(); });
    Q_EMIT closed();
    if (byUser)
        handle([this] { onUserClose(); });
}

void WizardWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        wizard_.noteActive(this);
    QWidget::changeEvent(event);
}

void WizardWindow::reportFailure(const QString& what) noexcept {
    try {
        desktop().inform(tr("Непредвиденная ошибка: %1").arg(what));
    } catch (...) {
        // Nothing more can be said; the event loop must not see the failure.
    }
}
