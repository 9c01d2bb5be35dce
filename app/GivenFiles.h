// What the program makes of files handed to it from outside: named on the command line, passed on by a
// second start, dropped on the window or copied to the clipboard. The one place that decides which of
// them it opens and as what.
#pragma once

#include <QString>
#include <QStringList>

class QDropEvent;
class QMimeData;

namespace festoon {

enum class GivenFileKind {
    Photo,       // placed on the canvas as a new object
    Card,        // a card file (.ora): opened in place of the card on the canvas
    Unsupported, // refused: a drop shows the no-drop cursor, anything else reports it
};

// Decided by the name's extension, in any letter case: the extensions of the formats the photo reader
// takes (JPEG as .jpg, .jpeg, .jpe, .jfif; .bmp, .png, .webp, .tif, .tiff, .gif), whose content then
// decides how it is read, and card files (.ora). Readers of further formats add their extensions here.
[[nodiscard]] GivenFileKind KindOfGivenFile(const QString& path);

// True when at least one of the files is one the program opens.
[[nodiscard]] bool AnyOpenable(const QStringList& paths);

// The local files of a drag or a clipboard's contents, as absolute paths in their order; links to
// anything but a local file are left out.
[[nodiscard]] QStringList LocalFiles(const QMimeData& data);

// A file named on the command line as an absolute path: a path relative to `workingFolder`, an absolute
// path, or a file:// URL.
[[nodiscard]] QString GivenPath(const QString& argument, const QString& workingFolder);

// Answers a drag over a window: taken as a copy when `wanted` (a move would let the source delete what
// was dropped), refused otherwise, which shows the no-drop cursor. Returns `wanted`.
bool AnswerDrag(QDropEvent& event, bool wanted);

// The message for files the program does not open, naming each by its file name.
[[nodiscard]] QString UnsupportedFilesMessage(const QStringList& paths);

} // namespace festoon
