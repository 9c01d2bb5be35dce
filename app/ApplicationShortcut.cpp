// Application-wide keys.
#include "app/ApplicationShortcut.h"

#include "platform/ErrorReporting.h"

#include <QAction>
#include <QWidget>

QAction* AddApplicationShortcut(QWidget* window, const QList<QKeySequence>& keys, std::function<void()> run) {
    auto* action = new QAction(window);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(action, &QAction::triggered, window,
                     [run = std::move(run)] { festoon::RunReportingErrors(run); });
    window->addAction(action);
    return action;
}
