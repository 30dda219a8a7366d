#pragma once

namespace fw {

// Sets a re-entrancy flag for as long as it lives; the flag is cleared however
// the scope ends, an exception included.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace fw
