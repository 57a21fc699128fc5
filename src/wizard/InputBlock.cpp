#include "wizard/InputBlock.h"

#include "wizard/Wizard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

InputBlock::InputBlock(Wizard& wizard, QWidget* leftOpen) : wizard_(wizard), leftOpen_(leftOpen) {
    wizard_.setBusy(true);
    QCoreApplication::instance()->installEventFilter(this);
}

InputBlock::~InputBlock() {
    QCoreApplication::instance()->removeEventFilter(this);
    wizard_.setBusy(false);
}

namespace {

// Tab and Shift+Tab still walk the window, so the keyboard reaches the open control.
bool movesFocus(const QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

bool InputBlock::eventFilter(QObject* watched, QEvent* event) {
    // Input reaches a window first and then the control under the mouse or with
    // the focus; it is stopped at the control, so the open one still gets it.
    if (!watched->isWidgetType() || watched == leftOpen_ || movesFocus(event))
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Drop:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
