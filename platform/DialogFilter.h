// Filters written as "description|pattern;pattern|description|pattern", turned into a file dialog's
// name filters.
#pragma once

#include <QString>
#include <QStringList>

namespace festoon {

// One name filter per description|patterns pair, "description (pattern pattern)", in order; an empty
// filter gives a single filter for every file, a description without patterns matches every file.
[[nodiscard]] QStringList DialogNameFilters(const QString& filter);

} // namespace festoon
