#include "Processes.h"

#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

extern char** environ;

namespace bench {

namespace {

pid_t ParentOf(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  std::getline(stat, text);
  // The command name may hold spaces and parentheses: the fields go on after its last ')'.
  const auto end = text.rfind(')');
  if (end == std::string::npos) return -1;
  char state = 0;
  int parent = -1;
  return std::sscanf(text.c_str() + end + 1, " %c %d", &state, &parent) == 2 ? parent : -1;
}

long SmapsKiB(pid_t pid, const std::string& field) {
  std::ifstream smaps("/proc/" + std::to_string(pid) + "/smaps_rollup");
  for (std::string line; std::getline(smaps, line);) {
    if (line.starts_with(field + ":")) return std::atol(line.c_str() + field.size() + 1);
  }
  return 0;
}

void ReapOrphans(const std::vector<pid_t>& tree) {
  const auto deadline = Clock::now() + std::chrono::seconds(5);
  for (;;) {
    const pid_t reaped = waitpid(-1, nullptr, WNOHANG);
    if (reaped < 0) return;  // none left
    if (reaped > 0) continue;
    if (Clock::now() >= deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  // Those still here are our unreaped children, so their numbers are still theirs.
  for (pid_t pid : tree) kill(pid, SIGKILL);
  while (waitpid(-1, nullptr, 0) > 0) {
  }
}

}  // namespace

Child Spawn(const std::string& program, const std::vector<std::string>& args) {
  prctl(PR_SET_CHILD_SUBREAPER, 1);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  Child child;
  child.started = Clock::now();
  const int error = posix_spawn(&child.pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    Note("cannot start %s: %s", program.c_str(), std::strerror(error));
    std::exit(2);
  }
  return child;
}

void Stop(Child& child) {
  if (child.pid <= 0) return;
  const std::vector<pid_t> tree = ProcessTree(child.pid);
  kill(child.pid, SIGTERM);
  waitpid(child.pid, nullptr, 0);
  child.pid = -1;
  ReapOrphans(tree);
}

std::vector<pid_t> ProcessTree(pid_t root) {
  std::multimap<pid_t, pid_t> children;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    const pid_t pid = std::stoi(name);
    children.emplace(ParentOf(pid), pid);
  }
  std::vector<pid_t> tree{root};
  for (std::size_t i = 0; i < tree.size(); ++i) {
    auto [first, last] = children.equal_range(tree[i]);
    for (auto it = first; it != last; ++it) tree.push_back(it->second);
  }
  return tree;
}

double CpuSeconds(pid_t pid) {
  clockid_t clock;
  timespec t{};
  if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &t) != 0) return NAN;
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double TreeCpuSeconds(pid_t root) {
  double seconds = 0;
  for (pid_t pid : ProcessTree(root)) {
    const double own = CpuSeconds(pid);
    if (!std::isnan(own)) seconds += own;
  }
  return seconds;
}

double TreeCpuMsPerMinute(pid_t root, int seconds) {
  const double before = TreeCpuSeconds(root);
  RunFor(seconds * 1000);
  return (TreeCpuSeconds(root) - before) * 1e3 * 60 / seconds;
}

Memory TreeMemory(pid_t root) {
  Memory memory;
  for (pid_t pid : ProcessTree(root)) {
    memory.rssKiB += SmapsKiB(pid, "Rss");
    memory.pssKiB += SmapsKiB(pid, "Pss");
    memory.privateDirtyKiB += SmapsKiB(pid, "Private_Dirty");
    ++memory.processes;
  }
  return memory;
}

std::string Describe(const Memory& memory) {
  return Format("PSS %.1f MiB, RSS %.1f MiB, Private_Dirty %.1f MiB", static_cast<double>(memory.pssKiB) / 1024,
                static_cast<double>(memory.rssKiB) / 1024, static_cast<double>(memory.privateDirtyKiB) / 1024);
}

std::string Ratios(const Memory& memory, const Memory& baseline) {
  const auto ratio = [](long a, long b) { return static_cast<double>(a) / static_cast<double>(b); };
  return Format("RSS %.2f, PSS %.2f, Private_Dirty %.2f", ratio(memory.rssKiB, baseline.rssKiB),
                ratio(memory.pssKiB, baseline.pssKiB), ratio(memory.privateDirtyKiB, baseline.privateDirtyKiB));
}

}  // namespace bench
