#pragma once

#include <QWidget>
#include <exception>

class Desktop;
class Wizard;
struct AlbumState;

// What every wizard window shares: the way back to the wizard and its album
// state, handlers that never let an exception reach the event loop, and the
// difference between a close by code and a close by the window's frame.
class WizardWindow : public QWidget {
    Q_OBJECT
public:
    // A disposable window is destroyed when it closes and built anew next time.
    WizardWindow(Wizard& wizard, const QString& caption, bool disposable);

    // Closes the window as a step of the wizard, not as the user's frame close.
    void closeFromCode();

Q_SIGNALS:
    void closed();

protected:
    Wizard& wizard() const { return wizard_; }
    AlbumState& state() const;
    Desktop& desktop() const;

    // Runs one event handler; an unexpected failure becomes a message box.
    template <typename Handler> void handle(Handler&& handler) noexcept {
        try {
            handler();
        } catch (const std::exception& e) {
            reportFailure(QString::fromLocal8Bit(e.what()));
        } catch (...) {
            reportFailure(QString());
        }
    }

    // What the window does when the user closes it by its frame.
    virtual void onUserClose() {}

    void closeEvent(QCloseEvent* event) override;

private:
    void reportFailure(const QString& what) noexcept;

    Wizard& wizard_;
    bool closingFromCode_ = false;
};
