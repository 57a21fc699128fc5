#pragma once

#include "wizard/WizardWindow.h"

#include <QStringList>
#include <QThread>
#include <QTimer>

class ColourBar;
class GenerationWorker;
class FittedLabel;
class PhotoView;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
struct Outcome;

// The generation window: a likeness of the index page on the chosen background,
// the album description, three colour bars, and "Создать", which writes the album.
class GenerationWindow : public WizardWindow {
    Q_OBJECT
public:
    explicit GenerationWindow(Wizard& wizard);
    ~GenerationWindow() override;

private:
    // The headings, captions and lines: they only show, no handler reads them.
    struct Decor;
    // Building is done in these steps, in this order.
    void build();
    Decor createControls();
    void nameControls(const Decor& decor);
    void layOut(const Decor& decor);
    void orderTabs();
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

    QPushButton* createButton = nullptr;
    // Shown only while the album is being written: stops it and undoes it all.
    QPushButton* stopButton = nullptr;
    QPlainTextEdit* descriptionEdit = nullptr;
    ColourBar* redBar = nullptr;
    ColourBar* greenBar = nullptr;
    ColourBar* blueBar = nullptr;
    FittedLabel* albumNameLabel = nullptr;
    FittedLabel* firstTitleLabel = nullptr;
    FittedLabel* secondTitleLabel = nullptr;
    QLabel* statusLabel = nullptr;
    QProgressBar* progressBar = nullptr;
    // The background as "#RRGGBB"; the user may type it too.
    QLineEdit* colourEdit = nullptr;
    PhotoView* firstPreview = nullptr;
    PhotoView* secondPreview = nullptr;
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
