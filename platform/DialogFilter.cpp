// Name filters for the file dialogs.
#include "platform/DialogFilter.h"

namespace festoon {

QStringList DialogNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList nameFilters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QStringList patterns;
        if (i + 1 < parts.size()) {
            for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
                patterns << pattern.trimmed();
            }
        }
        if (patterns.isEmpty()) {
            patterns << QStringLiteral("*");
        }
        if (description.isEmpty() && i + 1 >= parts.size()) {
            continue;
        }
        nameFilters << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    if (nameFilters.isEmpty()) {
        nameFilters << QStringLiteral("All files (*)");
    }
    return nameFilters;
}

} // namespace festoon
