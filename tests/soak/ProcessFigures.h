#pragma once

#include <cstdint>

namespace tembrel::test {

// What this process holds, read from /proc.
int OpenFileDescriptors();
std::int64_t ResidentBytes();
// The resident memory of the processes this one started and theirs: the HTML engine's.
std::int64_t DescendantResidentBytes();

}  // namespace tembrel::test
