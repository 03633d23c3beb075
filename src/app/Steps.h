#pragma once

#include <functional>

class Environment;
class QObject;
class QTimer;

/// Work that goes on in steps between the window's events (a long comparison, a large sum):
/// once started, `step` runs whenever the window has no other event, through the guard, until
/// stopped.
class Steps {
public:
    /// The steps run on a timer owned by `parent`.
    Steps(Environment& env, QObject* parent, std::function<void()> step);

    void start();
    void stop();

private:
    QTimer* m_timer;
};
