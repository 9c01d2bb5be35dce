// The one hot control of a kind of flat control (buttons, radio buttons): the hover look follows the pointer.
#pragma once

#include <QPointer>
#include <QWidget>

// Implemented by flat controls that show a hot (hover) look.
class FlatHotTarget {
  public:
    virtual void setHotLook(bool hot) = 0;

  protected:
    ~FlatHotTarget() = default;
};

// Keeps at most one hot control of its kind. Qt's enter and leave notifications tell when the pointer
// leaves, so no polling timer is needed; a control entered while another is still hot takes the look
// off the other at once.
class FlatHotTracker {
  public:
    // The pointer is over control: the previous hot control loses its look, and control gains it while
    // one of the application's windows is active.
    void pointerOver(QWidget* control, FlatHotTarget* target);
    // The pointer has left control (and no press is in progress on it).
    void pointerLeft(QWidget* control, FlatHotTarget* target);

  private:
    QPointer<QWidget> hot_;
    FlatHotTarget* hotTarget_ = nullptr;
};
