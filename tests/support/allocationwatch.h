// Watches the largest single heap request the process makes, and the most
// memory held at once, so a test can show that a hostile file never made a
// reader ask for much. Under
// AddressSanitizer the sanitizer owns malloc: there the test's environment
// sets max_allocation_size_mb instead, and a larger request aborts the test.
#pragma once

#include <cstddef>

class AllocationWatch
{
public:
    AllocationWatch();   // starts from zero
    // Whether requests are observed in this build.
    static bool observing();
    // The largest request since construction (0 when not observing).
    std::size_t largestRequest() const;
    // The most heap memory held at once since construction, beyond what was
    // held then (0 when not observing).
    std::size_t peakGrowth() const;

private:
    long long m_start;
};

// The most any one allocation may take while reading a hostile file.
constexpr std::size_t HostileFileAllocationCeiling = std::size_t(256) * 1024 * 1024;
