#pragma once

#include "state/AlbumState.h"

#include <QObject>
#include <QPointer>
#include <QString>

class Desktop;
class FormG;
class FormN;
class FormP;
class FormV;
class frmAbout;
class QWidget;

// Holds the one album state of the run and the five windows. The selection
// window lives as long as the wizard (it is only ever hidden); the others are
// built when first shown, destroyed when closed and built anew next time.
// The selection window is hidden only while the settings window is open, and
// closing that shows it again, so some window is always on screen until the
// program ends.
class Wizard : public QObject {
    Q_OBJECT
public:
    Wizard(Desktop& desktop, const QString& startFolder, const QString& programFolder);
    ~Wizard() override;

    // Builds and shows the selection window; its load gives the state its defaults.
    void start();

    AlbumState& state() { return state_; }
    Desktop& desktop() { return desktop_; }
    const QString& programFolder() const { return programFolder_; }
    const QString& startFolder() const { return startFolder_; }

    // Showing a window that is open only brings it to the front.
    void showFormV();
    FormN* showFormN();
    FormP* showFormP();
    FormG* showFormG();
    frmAbout* showAbout();

    // The open windows; null for one that is not open.
    FormV* formV() const { return formV_; }
    FormN* formN() const;
    FormP* formP() const;
    FormG* formG() const;
    frmAbout* about() const;

    // The album name as it stands in the selection window's name box now.
    QString typedAlbumName() const;

    // Ends the program at once; no window's close handling runs.
    void endProgram();
    bool programEnded() const { return ended_; }

private:
    template <typename Window> Window* showDisposable(QPointer<Window>& slot);

    AlbumState state_;
    Desktop& desktop_;
    QString startFolder_;
    QString programFolder_;
    FormV* formV_ = nullptr;
    QPointer<FormN> formN_;
    QPointer<FormP> formP_;
    QPointer<FormG> formG_;
    QPointer<frmAbout> about_;
    // Every window built so far, closed ones awaiting destruction included.
    QList<QPointer<QWidget>> built_;
    bool ended_ = false;
};
