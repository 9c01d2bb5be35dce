// Helpers for the controls' widget tests: pointer crossings sent by hand (the offscreen platform does not
// always synthesise them), an active host window, and reading painted pixels.
#pragma once

#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

// Colours in failure messages as red, green, blue.
inline void PrintTo(const QColor& color, std::ostream* out) {
    *out << "(" << color.red() << ", " << color.green() << ", " << color.blue() << ")";
}

inline void SendEnter(QWidget* widget, QPoint at = {2, 2}) {
    QEnterEvent enter(at, widget->mapTo(widget->window(), at), widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &enter);
}

inline void SendLeave(QWidget* widget) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, &leave);
}

// A shown, active top-level window so that focus and hot tracking behave as for a user.
class ActiveHost : public QWidget {
  public:
    ActiveHost() {
        resize(300, 200);
        show();
        activateWindow();
        if (!QTest::qWaitForWindowActive(this))
            ADD_FAILURE() << "the host window did not become active";
    }
};

// The widget as it paints itself, pixel by pixel.
inline QColor PixelOf(QWidget* widget, int x, int y) {
    return widget->grab().toImage().pixelColor(x, y);
}
