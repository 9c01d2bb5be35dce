// Queued answers that stand in for the user while a test drives the windows.
#include "platform/DialogScriptQueue.h"

#include <deque>

namespace festoon::DialogScript {
namespace {

// A queued answer; given is false for Cancel.
template <typename Value> struct Queued {
    bool given = false;
    Value value{};
};

struct Script {
    bool active = false;
    int unanswered = 0;
    std::deque<Queued<QString>> open;
    std::deque<Queued<SaveAnswer>> save;
    std::deque<Queued<std::pair<QFont, QColor>>> font;
    std::deque<Queued<bool>> yesNo;
};

Script& State() {
    static Script script;
    return script;
}

template <typename Value> std::optional<Value> TakeFrom(std::deque<Queued<Value>>& queue) {
    if (queue.empty()) {
        ++State().unanswered;
        return std::nullopt;
    }
    Queued<Value> answer = std::move(queue.front());
    queue.pop_front();
    if (!answer.given) {
        return std::nullopt;
    }
    return std::move(answer.value);
}

template <typename Value> void Enqueue(std::deque<Queued<Value>>& queue, std::optional<Value> answer) {
    queue.push_back(answer ? Queued<Value>{true, std::move(*answer)} : Queued<Value>{});
}

} // namespace

void Begin() {
    State() = Script{};
    State().active = true;
}

void End() {
    State() = Script{};
}

bool Active() {
    return State().active;
}

void AnswerOpen(std::optional<QString> path) {
    Enqueue(State().open, std::move(path));
}

void AnswerSave(std::optional<QString> path, int filterIndex) {
    Enqueue(State().save, path ? std::optional<SaveAnswer>(SaveAnswer{*path, filterIndex}) : std::nullopt);
}

void AnswerFont(std::optional<std::pair<QFont, QColor>> choice) {
    Enqueue(State().font, std::move(choice));
}

void AnswerYesNo(bool yes) {
    Enqueue(State().yesNo, std::optional<bool>(yes));
}

int Unanswered() {
    return State().unanswered;
}

int Pending() {
    const Script& script = State();
    return static_cast<int>(script.open.size() + script.save.size() + script.font.size() +
                            script.yesNo.size());
}

std::optional<QString> TakeOpen() {
    return TakeFrom(State().open);
}

std::optional<SaveAnswer> TakeSave() {
    return TakeFrom(State().save);
}

std::optional<std::pair<QFont, QColor>> TakeFont() {
    return TakeFrom(State().font);
}

bool TakeYesNo() {
    return TakeFrom(State().yesNo).value_or(false);
}

} // namespace festoon::DialogScript
