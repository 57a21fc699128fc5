#pragma once

#include "wizard/WizardWindow.h"

#include <QStringList>
#include <QThread>
#include <QTimer>
#include <memory>

class ColourBar;
class GenerationWorker;
struct Outcome;

namespace Ui {
class GenerationWindow;
}

// The generation window: a likeness of the index page on the chosen background,
// the album description, three colour bars, and "Создать", which writes the album.
class GenerationWindow : public WizardWindow {
    Q_OBJECT
public:
    explicit GenerationWindow(Wizard& wizard);
    ~GenerationWindow() override;

    // The window's controls, for tests and automation.
    const Ui::GenerationWindow& form() const { return *ui; }

private:
    void wireHandlers();
    void load();
    void onDescriptionEdited();
    void onColourBarMoved(ColourBar* bar);
    void showBackground();
    void onColourTyped();
    void onCreate();
    void showCaption(const QString& text, int pauseMs);
    void onGenerated(const Outcome& result);
    void showResult();

    std::unique_ptr<Ui::GenerationWindow> ui;
    bool typingColour_ = false;
    bool stopPressed_ = false;
    // The run in progress; null when none is.
    QThread generationThread_;
    GenerationWorker* worker_ = nullptr;
    // How long the caption shown last stays before the work goes on.
    QTimer captionTimer_;
    int captionsShown_ = 0;
    QStringList namesBefore_;
};
