// Drives a modal dialog from inside its own event loop: the action runs once the dialog is shown.
#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

// Polls for the active modal widget, activates it and hands it to `act` once; gives up (rejecting nothing)
// after about five seconds so that a broken dialog fails the test instead of hanging it.
inline void WhenModalShows(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            // As on a desktop, the dialog has the keyboard before the user types into it.
            modal->activateWindow();
            if (!QTest::qWaitForWindowActive(modal, 1000)) {
                qWarning("The dialog did not become active");
            }
            act(modal);
        } else if (++*tries > 250) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}
