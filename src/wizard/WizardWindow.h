#pragma once

#include <QWidget>
#include <exception>
#include <type_traits>
#include <utility>

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

    // The shown window whose event handler is running (the innermost one when
    // handlers nest); null outside handlers. Message boxes are centred on it.
    static QWidget* raisingWindow();

Q_SIGNALS:
    void closed();

protected:
    Wizard& wizard() const { return wizard_; }
    AlbumState& state() const;
    Desktop& desktop() const;

    // Runs one event handler; an unexpected failure becomes a message box.
    template <typename Handler> void handle(Handler&& handler) noexcept {
        const Raising raising(this);
        try {
            handler();
        } catch (const std::exception& e) {
            reportFailure(QString::fromLocal8Bit(e.what()));
        } catch (...) {
            reportFailure(QString());
        }
    }

    // Runs `handler` through handle() each time `sender` emits `signal`. The
    // handler takes the signal's arguments or none; a member function of the
    // window may stand in for it.
    template <typename Sender, typename Signal, typename Handler>
    void wire(Sender* sender, Signal signal, Handler handler) {
        connect(sender, signal, this, [this, handler](const auto&... args) {
            handle([&] {
                if constexpr (std::is_invocable_v<const Handler&, decltype(args)...>)
                    handler(args...);
                else
                    handler();
            });
        });
    }
    template <typename Sender, typename Signal, typename Window, typename... Args>
    void wire(Sender* sender, Signal signal, void (Window::*handler)(Args...)) {
        wire(sender, signal, [window = static_cast<Window*>(this), handler](Args... args) {
            (window->*handler)(std::forward<Args>(args)...);
        });
    }

    // What the window does when the user closes it by its frame.
    virtual void onUserClose() {}

    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Marks a window as running a handler while it lives; they nest as the handlers do.
    struct Raising {
        explicit Raising(WizardWindow* window) noexcept : window(window), outer(innermost) {
            innermost = this;
        }
        ~Raising() { innermost = outer; }
        Raising(const Raising&) = delete;
        Raising& operator=(const Raising&) = delete;

        WizardWindow* window;
        Raising* outer;
        static inline Raising* innermost = nullptr;
    };

    void reportFailure(const QString& what) noexcept;

    Wizard& wizard_;
    bool closingFromCode_ = false;
};
