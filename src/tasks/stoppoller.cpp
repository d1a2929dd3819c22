#include "tasks/stoppoller.h"

#include "tasks/task.h"

long long roundHalfToEven(long long n, long long d)
{
    long long quotient = n / d;
    const long long twiceRest = 2 * (n % d);
    if (twiceRest > d || (twiceRest == d && (quotient % 2) != 0))
        ++quotient;
    return quotient;
}

int gaugePosition(long long done, long long total)
{
    if (total <= 0)
        return 0;
    return static_cast<int>(roundHalfToEven(done * 100, total));
}

StopPoller::StopPoller(bool noStop, Task &task) : m_noStop(noStop), m_task(task) {}

bool StopPoller::afterItem()
{
    if (m_noStop)
        return false;
    if (++m_counter == ItemsPerMessagePass) {
        m_counter = 0;
        m_task.letMessagesRun();
    }
    return m_task.takeStopRequest();
}
