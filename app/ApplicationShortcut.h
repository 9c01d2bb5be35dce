// Keys that act on the card whichever window of the program has the focus.
#pragma once

#include <QKeySequence>
#include <QList>
#include <functional>

class QAction;
class QWidget;

// Adds to `window` an action run by any of `keys` anywhere in the program (a focused text field still
// takes the keys it edits with). A failure of `run` is reported and goes no further.
QAction* AddApplicationShortcut(QWidget* window, const QList<QKeySequence>& keys, std::function<void()> run);
