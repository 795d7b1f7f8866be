#pragma once

#include <QObject>

namespace ortavel {

class Control;

// Keeps one Qt object in step with one control model. The binder is a child
// of the Qt object it drives, so it goes when that object goes; the model
// must outlive it.
class Binder : public QObject {
public:
    Binder(Control &control, QObject *target);
    ~Binder() override;
    Binder(const Binder &) = delete;
    Binder &operator=(const Binder &) = delete;

    Control &control() const { return m_control; }

    // Shows the model's whole state again.
    void refresh() { update(); }
    // Every binder shows its model again: the texts in a new language.
    static void refreshAll();

protected:
    // Derived constructors call this last, once their Qt object is ready.
    void start();
    virtual void update() = 0;

private:
    Control &m_control;
    int m_subscription = 0;
};

} // namespace ortavel
