#include "ProcessFigures.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace tembrel::test {

namespace {

std::int64_t ResidentBytesOf(const std::string& pid) {
  std::ifstream statm("/proc/" + pid + "/statm");
  std::int64_t size = 0, resident = 0;
  statm >> size >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

// The parent of a process, or -1 when it has gone meanwhile.
long ParentOf(const std::string& pid) {
  std::ifstream stat("/proc/" + pid + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  // The name in parentheses may hold spaces and parentheses; the fields after it do not.
  const std::size_t end = text.rfind(')');
  if (end == std::string::npos) return -1;
  std::istringstream rest(text.substr(end + 1));
  std::string state;
  long parent = -1;
  rest >> state >> parent;
  return parent;
}

}  // namespace

int OpenFileDescriptors() {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
  return count;
}

std::int64_t ResidentBytes() { return ResidentBytesOf("self"); }

std::int64_t DescendantResidentBytes() {
  std::multimap<long, std::string> children;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string pid = entry.path().filename();
    if (pid.find_first_not_of("0123456789") == std::string::npos) children.emplace(ParentOf(pid), pid);
  }
  std::int64_t total = 0;
  std::vector<long> parents{static_cast<long>(getpid())};
  while (!parents.empty()) {
    const long parent = parents.back();
    parents.pop_back();
    auto [first, last] = children.equal_range(parent);
    for (auto it = first; it != last; ++it) {
      total += ResidentBytesOf(it->second);
      parents.push_back(std::stol(it->second));
    }
  }
  return total;
}

}  // namespace tembrel::test
