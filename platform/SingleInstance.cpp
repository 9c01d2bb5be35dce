// Single-instance guard (to be completed: lock file and local socket).
#include "platform/SingleInstance.h"

#include <QLocalServer>
#include <QWidget>

namespace festoon {

SingleInstanceGuard::SingleInstanceGuard(const QString& name) : name_(name), first_(true) {}
SingleInstanceGuard::~SingleInstanceGuard() = default;
void SingleInstanceGuard::listen(QWidget* window) { window_ = window; }
bool SingleInstanceGuard::askFirstToShow(int) { return false; }
void SingleInstanceGuard::bringBack() {}

} // namespace festoon
