// Fault injection: makes one chosen allocation of the dictionary store, or one chosen read of a
// data file, fail, so that tests can prove every path survives exhausted memory and a failing
// or shrinking disk. Nothing is armed in the program: each check then costs one comparison.
// A test arms one countdown at a time, on the thread that runs the code under test.
#pragma once

#include <cstddef>
#include <cstdint>

namespace halvena::faults {

// Counts one allocation; true when it is the one armed to fail.
bool NextAllocationFails();
// The `n`th allocation counted from now (1-based) fails; the others succeed. 0 disarms and
// keeps the count.
void FailAllocation(std::int64_t n);
// The allocations counted since the last arming.
std::int64_t AllocationsCounted();

enum class TReadFault {
  None,
  Fail,   // the read reports an error
  Short,  // the read gives fewer bytes and the file ends there, as a file cut while being read
};

struct TReadOutcome {
  TReadFault Fault = TReadFault::None;
  std::size_t Bytes = 0;  // for Short: how many of the asked bytes are given
};

// Counts one read of `size` bytes; what the armed fault makes of it.
TReadOutcome NextRead(std::size_t size);
// The `n`th read counted from now (1-based) gets `fault`; a Short read gives `bytes` bytes (never
// more than were asked). 0 disarms and keeps the count.
void FailRead(std::int64_t n, TReadFault fault, std::size_t bytes = 0);
// The reads counted since the last arming.
std::int64_t ReadsCounted();

}  // namespace halvena::faults
