#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "Bench.h"

namespace bench {

// A program started by a benchmark.
struct Child {
  pid_t pid = -1;
  Clock::time_point started{};  // taken just before the fork
};

// Starts `program` with `args` and its output on our standard error.
// What it starts in turn becomes our child once it is orphaned, so that Stop
// can end all of it.
Child Spawn(const std::string& program, const std::vector<std::string>& args = {});
// Ends the child, and then whatever it started that is still running.
void Stop(Child& child);

// The process and its descendants.
std::vector<pid_t> ProcessTree(pid_t root);
// CPU time, user and system, of every thread the process has had so far.
double CpuSeconds(pid_t pid);
// The same, summed over the process and its descendants.
double TreeCpuSeconds(pid_t root);
// CPU time of the process tree per minute, over `seconds` of the event loop.
double TreeCpuMsPerMinute(pid_t root, int seconds);

struct Memory {
  long rssKiB = 0;
  long pssKiB = 0;           // shared pages divided among the processes that map them
  long privateDirtyKiB = 0;  // written pages of the process's own
  int processes = 0;
};
Memory TreeMemory(pid_t root);
// "PSS 48.3 MiB, RSS 115.0 MiB, Private_Dirty 20.1 MiB"
std::string Describe(const Memory& memory);
// "RSS 1.02, PSS 1.10, Private_Dirty 1.31": each figure of `memory` over that of `baseline`.
std::string Ratios(const Memory& memory, const Memory& baseline);

}  // namespace bench
