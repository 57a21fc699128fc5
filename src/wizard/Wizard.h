#pragma once

#include "platform/ProgramServices.h"
#include "state/AlbumState.h"

#include <QObject>
#include <QPointer>
#include <QString>

class AboutBox;
class Desktop;
class GenerationWindow;
class PreparationWindow;
class QWidget;
class SelectionWindow;
class SettingsWindow;

// Holds the one album state of the run and the five windows. The selection
// window lives as long as the wizard (it is only ever hidden); the others are
// built when first shown, destroyed when closed and built anew next time.
// The selection window is hidden only while the settings window is open, and
// closing that shows it again, so some window is always on screen until the
// program ends.
class Wizard : public QObject {
    Q_OBJECT
public:
    // The disk, the folder holds and the program folder come from `services`.
    Wizard(Desktop& desktop, const ProgramServices& services, const QString& startFolder);
    ~Wizard() override;

    // Builds and shows the selection window; its load gives the state its defaults.
    void start();

    AlbumState& state() { return state_; }
    Desktop& desktop() { return desktop_; }
    const ProgramServices& services() const { return services_; }
    const QString& startFolder() const { return startFolder_; }

    // Showing a window that is open only brings it to the front.
    void showSelectionWindow();
    SettingsWindow* showSettingsWindow();
    PreparationWindow* showPreparationWindow();
    GenerationWindow* showGenerationWindow();
    AboutBox* showAboutBox();
    // Notes the window the user is in now, the last of those to come back to.
    void noteActive(QWidget* window);
    // When none of its windows is active, gives the keyboard to the one shown
    // that the user was in last.
    void activateOpenWindow();

    // The open windows; null for one that is not open.
    SelectionWindow* selectionWindow() const { return selectionWindow_; }
    SettingsWindow* settingsWindow() const;
    PreparationWindow* preparationWindow() const;
    GenerationWindow* generationWindow() const;
    AboutBox* aboutBox() const;

    // Ends the program at once; no window's close handling runs.
    void endProgram();

    // True while an album is being written: every window is disabled but for
    // the one control left open, and none of them closes.
    bool busy() const { return busy_; }
    void setBusy(bool busy, QWidget* leftOpen = nullptr);

private:
    template <typename Window> Window* showDisposable(QPointer<Window>& slot);
    // Shows a window; one that was not in sight comes up centred over the
    // window the user was in last.
    void bringUp(QWidget* window);

    AlbumState state_;
    Desktop& desktop_;
    ProgramServices services_;
    QString startFolder_;
    SelectionWindow* selectionWindow_ = nullptr;
    QPointer<SettingsWindow> settingsWindow_;
    QPointer<PreparationWindow> preparationWindow_;
    QPointer<GenerationWindow> generationWindow_;
    QPointer<AboutBox> aboutBox_;
    // Every window built so far, closed ones awaiting destruction included.
    QList<QPointer<QWidget>> built_;
    // The windows the user has been in, the latest last.
    QList<QPointer<QWidget>> visited_;
    // Set by the first end; any later end does nothing.
    bool ended_ = false;
    bool busy_ = false;
    // What setBusy() disabled, and where each window had its keyboard focus.
    QList<QPointer<QWidget>> disabled_;
    QList<QPointer<QWidget>> focused_;
};
