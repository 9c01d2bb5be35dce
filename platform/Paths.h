// Files beside the executable, named as stored ("pic\\Frame\\1\\small\\") and matched without regard
// to letter case.
#pragma once

#include <QString>

namespace festoon {

// The executable's folder with a trailing '/'. Tests may set it.
[[nodiscard]] QString ExecutableFolder();
void SetExecutableFolder(const QString& folder);

// The executable's folder followed by a relative path written with backslashes or slashes. Each
// component is matched case-insensitively against what exists on disk; components that do not exist
// are kept as written, so a missing file is reported with the full path.
[[nodiscard]] QString ProgramPath(const QString& relative);

// Resolves an absolute path component by component without regard to letter case (see above).
[[nodiscard]] QString ResolvePathCase(const QString& path);

} // namespace festoon
