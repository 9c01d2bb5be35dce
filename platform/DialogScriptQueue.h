// The dialogs' side of DialogScript: each scripted Execute takes its answer from here.
#pragma once

#include "platform/Dialogs.h"

namespace festoon::DialogScript {

struct SaveAnswer {
    QString path;
    int filterIndex = 1;
};

// Each returns the next queued answer for its kind of dialog. A request that finds its queue empty is
// counted as unanswered and answers Cancel (std::nullopt) or No.
[[nodiscard]] std::optional<QString> TakeOpen();
[[nodiscard]] std::optional<SaveAnswer> TakeSave();
[[nodiscard]] std::optional<std::pair<QFont, QColor>> TakeFont();
[[nodiscard]] bool TakeYesNo();

} // namespace festoon::DialogScript
