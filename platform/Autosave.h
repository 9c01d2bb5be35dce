// Autosave: after every change the card is written to a recovery file, in the background, so that a
// crash or a closed window never loses it. The card is a value: the writer works on a copy while the
// window goes on. Writes replace the file atomically; a write cut short leaves the previous one whole.
#pragma once

#include "core/Composition.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <functional>
#include <optional>

namespace festoon {

class Autosave : public QObject {
  public:
    // Writes a card to a path, atomically; throws on failure.
    using CardWriter = std::function<void(const Composition&, const QString& path)>;

    // Writes to `path` through `writer`, `delayMs` after the last of a burst of changes.
    Autosave(QString path, CardWriter writer, int delayMs = 400);
    ~Autosave() override;

    // The card changed: it will be written shortly.
    void CardChanged(const Composition& card);
    // Nothing needs recovering (the canvas is empty, or the card was saved as a card file): the
    // recovery file goes, until the next change.
    void Discard();
    // Writes what is pending now and waits for every write to end (closing the window, tests).
    void Flush();

    [[nodiscard]] const QString& Path() const { return path_; }
    // The last write's failure, empty when it succeeded.
    [[nodiscard]] QString LastError() const;

  private:
    void StartWriting();
    void WritePending(); // runs on the writer's thread

    QString path_;
    CardWriter writer_;
    QTimer delay_;
    QThreadPool writerThread_;
    mutable QMutex mutex_;
    // What the next write does: write the card, or remove the file when there is none.
    struct Write {
        std::optional<Composition> card;
    };
    std::optional<Write> pending_;   // taken by the writer's thread
    std::optional<Write> scheduled_; // waits for the delay on the window's thread
    bool writing_ = false;
    QString lastError_;
};

// Where the recovery file lives: the user's state folder ($XDG_STATE_HOME, else ~/.local/state), in a
// folder of the program's own.
[[nodiscard]] QString RecoveryFilePath();

} // namespace festoon
