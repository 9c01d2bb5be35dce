// Showing the program's help: in the desktop's CHM viewer where one is installed, otherwise the same pages
// as HTML in the web browser, and where neither can be shown, a message that says what to install. Help
// never silently does nothing.
#pragma once

#include <QString>

namespace festoon {

// Shows the help beside the program: `folder` + "help.chm" with the application the desktop has for CHM
// files; without one, or when it fails, `folder` + "help/index.html" with the desktop's browser; when
// that fails too, or neither file is there, reports it. The viewers are started through xdg-mime and
// xdg-open and watched without blocking: a failure found later still reports.
void ShowHelp(const QString& folder);

// The message and the advice shown when no way of showing the help works.
[[nodiscard]] QString HelpUnavailableMessage();
[[nodiscard]] QString HelpUnavailableAdvice(const QString& folder);

} // namespace festoon
