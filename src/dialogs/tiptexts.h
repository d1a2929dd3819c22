// The texts of the tip of the day and the choice of one.
#pragma once

#include <QString>

class RandomSource;

constexpr int TipCount = 23;

// Tip 1 to TipCount; empty for any other number.
QString tipText(int number);

// Draws 0 to TipCount; 0 counts as 1, so tip 1 comes up twice as often.
int chooseTipNumber(RandomSource &random);
