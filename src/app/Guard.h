#pragma once

#include "app/Environment.h"

#include <QObject>

#include <functional>

/// Runs an event handler and turns a failure into the application's error box, so that no
/// exception ever reaches Qt's event loop. Returns false when the handler failed.
bool runGuarded(Environment& env, const std::function<void()>& handler);

/// Connects `signal` of `sender` to the handler `slot` of `receiver` through the guard.
template <typename Sender, typename Signal, typename Receiver>
QMetaObject::Connection connectGuarded(Environment& env, Sender* sender, Signal signal, Receiver* receiver,
                                       void (Receiver::*slot)())
{
    return QObject::connect(sender, signal, receiver,
                            [&env, receiver, slot] { runGuarded(env, [&] { (receiver->*slot)(); }); });
}
