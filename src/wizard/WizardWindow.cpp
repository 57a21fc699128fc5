#include "wizard/WizardWindow.h"

#include "wizard/ApplicationIcon.h"
#include "wizard/Desktop.h"
#include "wizard/Wizard.h"

#include <QCloseEvent>

WizardWindow::WizardWindow(Wizard& wizard, const QString& caption, bool disposable)
    : QWidget(nullptr), wizard_(wizard) {
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
    Q_EMIT closed();
    if (byUser)
        handle([this] { onUserClose(); });
}

void WizardWindow::reportFailure(const QString& what) noexcept {
    try {
        desktop().inform(QStringLiteral("Непредвиденная ошибка: %1").arg(what));
    } catch (...) {
        // Nothing more can be said; the event loop must not see the failure.
    }
}
