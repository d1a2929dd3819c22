// The Stop protocol every long loop keeps, and the progress gauge arithmetic.
#pragma once

class Task;

// n / d rounded to the nearest integer, halves to the even neighbour (d > 0).
long long roundHalfToEven(long long n, long long d);

// Gauge position after item `done` of `total`: done / total * 100, rounded.
int gaugePosition(long long done, long long total);

// Call afterItem() once per finished item. With No Stop on it does nothing,
// which keeps the loop fast; otherwise pending messages run every 20th item
// so a click on Stop can arrive, and a pending Stop request is taken (cleared)
// and reported as true: the loop must then end as if all items were done.
class StopPoller
{
public:
    static constexpr int ItemsPerMessagePass = 20;

    StopPoller(bool noStop, Task &task);
    bool afterItem();

private:
    bool m_noStop;
    int m_counter = 0;
    Task &m_task;
};
