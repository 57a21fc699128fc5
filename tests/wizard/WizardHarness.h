#pragma once

#include "ScriptedDesktop.h"
#include "TestFolder.h"
#include "TestServices.h"
#include "state/AlbumState.h"
#include "wizard/Wizard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable failure output for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{';
    for (const QString& text : texts) {
        PrintTo(text, out);
        *out << ' ';
    }
    *out << '}';
}

// Drives the wizard the way a user does: controls are reached through their
// window's form, buttons are clicked and text is typed; message boxes are scripted.
class WizardTest : public ::testing::Test {
protected:
    ~WizardTest() override;

    // Starts the program in the given folder (the test folder when empty).
    void start(const QString& startFolder = QString());

    void click(QAbstractButton* button);
    static void typeInto(QWidget* target, const QString& text) { typeText(target, text); }
    // Key presses for any text, Cyrillic included; "\n" presses Enter.
    static void typeText(QWidget* target, const QString& text);
    // The folder change of the selection window's folder list.
    void chooseFolder(const QString& path);
    // A sub-folder of the test folder holding the given photos.
    QString photoFolder(const QStringList& names, const QString& folderName = "photos");
    // Types the album name and presses "Настроить".
    void configure(const QString& albumName);
    // A key pressed where the keyboard focus is, as a user presses it.
    void press(Qt::Key key, int times = 1);
    // Lets closed windows go and queued wizard checks run.
    void settle();
    // After a press that started the album's writing, waits until it is done.
    void finishRun(bool wasBusy);

    AlbumState& state() { return wizard->state(); }

    TestFolder folder;
    ScriptedDesktop desktop;
    TestServices services;
    // The disk the wizard started next works on; null: the real one.
    FileOps* disk = nullptr;
    std::unique_ptr<Wizard> wizard;
};
