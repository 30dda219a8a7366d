#pragma once

#include <initializer_list>
#include <string>

namespace tembrel::test {

// A byte string written as numbers, for settings blocks and wire data.
inline std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

}  // namespace tembrel::test
