#include "mainwindow/FrmMessage.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <algorithm>

#include "BusyCursor.h"
#include "UiServices.h"
#include "app/Preferences.h"

namespace tavmir::gui {

FrmMessage::FrmMessage(const QString& line1, const QString& line2, int milliseconds,
                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FrmMessage"));
    setWindowTitle(QStringLiteral("Tavmir"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    lMessage1 = new QLabel(line1, this);
    lMessage1->setObjectName(QStringLiteral("lMessage1"));
    lMessage1->setTextFormat(Qt::PlainText);
    lMessage1->adjustSize();
    lMessage2 = new QLabel(line2, this);
    lMessage2->setObjectName(QStringLiteral("lMessage2"));
    lMessage2->setTextFormat(Qt::PlainText);
    lMessage2->adjustSize();

    const int top = line2.isEmpty() ? kMessageTopOneLine : kMessageTopTwoLines;
    lMessage1->move(kMessageMargin, top);
    lMessage2->move(kMessageMargin, kMessageTopTwoLines + lMessage1->height() + 8);
    lMessage2->setVisible(!line2.isEmpty());

    const int width = 2 * kMessageMargin + std::max(lMessage1->width(), lMessage2->width());
    setFixedSize(width, kMessageWindowHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + area.width() / 2 - width / 2,
             area.y() + area.height() / 2 - kMessageWindowHeight / 2);
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(milliseconds >= 1 ? milliseconds : kDefaultMessageMilliseconds);
    connect(Timer1, &QTimer::timeout, this, [this] {
        Timer1->stop();
        accept();
    });
}

void FrmMessage::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (Timer1->interval() < 1) Timer1->setInterval(kDefaultMessageMilliseconds);
    Timer1->start();
}

void showMessage(QWidget* parent, const Preferences& preferences, const QString& line1,
                 const QString& line2, int milliseconds) {
    if (preferences.disableWindowMessage == 1) {
        // A local loop rather than a sleep: the pause must not freeze the windows.
        QEventLoop pause;
        QTimer::singleShot(kDisabledMessagePauseMilliseconds, &pause, &QEventLoop::quit);
        pause.exec(QEventLoop::ExcludeUserInputEvents);
        return;
    }
    BusyCursor busy;
    FrmMessage message(line1, line2, milliseconds, parent);
    ui().exec(message);
}

}  // namespace tavmir::gui
