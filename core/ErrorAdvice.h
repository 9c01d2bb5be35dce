// Plain words for the platform's messages: what a message such as "JPEG error #53" means for the user
// and what to do next. The messages themselves stay as they are; the error box shows the advice below.
#pragma once

#include <QString>

namespace festoon {

// The advice for a message of PlatformError (or "Out of memory"), or an empty text for a message that
// says enough by itself.
[[nodiscard]] QString ErrorAdvice(const QString& message);

} // namespace festoon
