#include "base/FaultInjection.h"

#include <algorithm>

namespace halvena::faults {
namespace {

std::int64_t allocationsCounted = 0;
std::int64_t failingAllocation = 0;

std::int64_t readsCounted = 0;
std::int64_t failingRead = 0;
TReadFault readFault = TReadFault::None;
std::size_t shortBytes = 0;

}  // namespace

bool NextAllocationFails() {
  if (failingAllocation == 0) return false;
  return ++allocationsCounted == failingAllocation;
}

void FailAllocation(std::int64_t n) {
  if (n != 0) allocationsCounted = 0;
  failingAllocation = n;
}

std::int64_t AllocationsCounted() {
  return allocationsCounted;
}

TReadOutcome NextRead(std::size_t size) {
  if (failingRead == 0 || ++readsCounted != failingRead) return {};
  return {readFault, std::min(size, shortBytes)};
}

void FailRead(std::int64_t n, TReadFault fault, std::size_t bytes) {
  if (n != 0) readsCounted = 0;
  failingRead = n;
  readFault = fault;
  shortBytes = bytes;
}

std::int64_t ReadsCounted() {
  return readsCounted;
}

}  // namespace halvena::faults
