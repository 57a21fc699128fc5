// The real message boxes: the look the windows rely on, checked by answering
// each box from inside its own event loop.
#include "wizard/QtDesktop.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs `inspect` on the box once it is up, then presses the named button.
void whenBoxShows(std::function<void(QMessageBox&)> inspect, QMessageBox::StandardButton press) {
    QTimer::singleShot(0, [inspect, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        inspect(*box);
        box->button(press)->click();
    });
}

} // namespace

TEST(QtDesktop, InformIsAnOkOnlyBoxWithoutIconUnderTheProgramsTitle) {
    QtDesktop desktop;
    bool seen = false;
    whenBoxShows(
        [&](QMessageBox& box) {
            seen = true;
            EXPECT_EQ(box.windowTitle(), QStringLiteral("Генератор фотоальбома"));
            EXPECT_EQ(box.text(), QStringLiteral("Текст"));
            EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
            EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
        },
        QMessageBox::Ok);
    desktop.inform(QStringLiteral("Текст"));
    EXPECT_TRUE(seen);
}

TEST(QtDesktop, QuestionIsTitledWithYesAsDefaultAndReturnsTheAnswer) {
    QtDesktop desktop;
    for (const bool yes : {true, false}) {
        whenBoxShows(
            [](QMessageBox& box) {
                EXPECT_EQ(box.windowTitle(), QStringLiteral("Генерация выполнена"));
                EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
                EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Yes));
                EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("Да"));
                EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("Нет"));
            },
            yes ? QMessageBox::Yes : QMessageBox::No);
        EXPECT_EQ(desktop.askYesNo(QStringLiteral("Просматривать будем?"),
                                   QStringLiteral("Генерация выполнена"), MessageSink::Answer::No),
                  yes);
    }
    // Escape gives the answer that changes nothing: to the default-name warning, Yes, "go back".
    whenBoxShows(
        [](QMessageBox& box) { EXPECT_EQ(box.escapeButton(), box.button(QMessageBox::Yes)); },
        QMessageBox::Yes);
    desktop.askYesNo(QStringLiteral("?"), QStringLiteral("Внимание!"), MessageSink::Answer::Yes);
}
