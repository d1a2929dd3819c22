#include "app/stoppoller.h"

#include <utility>

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

StopPoller::StopPoller(bool noStop, std::function<void()> letMessagesRun,
                       std::function<bool()> takeStopRequest)
    : m_noStop(noStop), m_letMessagesRun(std::move(letMessagesRun)),
      m_takeStopRequest(std::move(takeStopRequest))
{
}

bool StopPoller::afterItem()
{
    if (m_noStop)
        return false;
    if (++m_counter == ItemsPerMessagePass) {
        m_counter = 0;
        m_letMessagesRun();
    }
    return m_takeStopRequest();
}
