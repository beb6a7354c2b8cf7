#pragma once
// Allocations and minor page faults per benchmark iteration: the program's malloc family is
// counted (callcost.cpp replaces it for the whole benchmark process), the faults come from getrusage.

#include <benchmark/benchmark.h>

#include <cstdint>

/// Heap blocks handed out so far by malloc, calloc, realloc and the aligned variants, on every thread.
uint64_t AllocationCount();
/// Minor page faults of the process so far.
uint64_t MinorFaults();

/// Counts from its making until Report, which sets the "allocs" and "faults" counters of state
/// as averages per iteration.
class CallCost {
public:
    CallCost() : m_allocs(AllocationCount()), m_faults(MinorFaults()) {}
    void Report(benchmark::State &state) const
    {
        state.counters["allocs"] = benchmark::Counter(double(AllocationCount() - m_allocs), benchmark::Counter::kAvgIterations);
        state.counters["faults"] = benchmark::Counter(double(MinorFaults() - m_faults), benchmark::Counter::kAvgIterations);
    }

private:
    uint64_t m_allocs, m_faults;
};
