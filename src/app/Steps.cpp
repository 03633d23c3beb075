#include "app/Steps.h"

#include "app/Guard.h"

#include <QTimer>

Steps::Steps(Environment& env, QObject* parent, std::function<void()> step) : m_timer(new QTimer(parent))
{
    m_timer->setInterval(0);
    QObject::connect(m_timer, &QTimer::timeout, m_timer, [&env, step = std::move(step)] { runGuarded(env, step); });
}

void Steps::start()
{
    m_timer->start();
}

void Steps::stop()
{
    m_timer->stop();
}
