// Case-insensitive file name patterns with the two classic wildcards.
#pragma once

#include <QStringView>

// True when name matches pattern: "*" stands for any run of characters,
// "?" for exactly one; every other character is literal and compared without
// regard to case. "*.*" matches every name, with or without a dot.
bool matchesFilePattern(QStringView pattern, QStringView name);
