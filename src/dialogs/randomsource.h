// Where the tip of the day gets its chance from; tests hand in their own.
#pragma once

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A whole number from 0 to highest, each equally likely.
    virtual int bounded(int highest) = 0;
};

// Seeded afresh from the clock for every draw.
class ClockRandomSource : public RandomSource
{
public:
    int bounded(int highest) override;
};
