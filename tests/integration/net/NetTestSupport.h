#pragma once

#include <gtest/gtest.h>

#include <exception>
#include <string>
#include <vector>

#include "runtime/Clock.h"
#include "runtime/Runtime.h"

namespace tembrel::test {

// Every time limit runs on the manual clock, and what a handler lets escape
// is collected from the unhandled-exception report; a test expects none
// unless it says otherwise.
class NetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Reported().clear();
    fw::RuntimeSetUnhandledExceptionObserver(
        [](std::exception_ptr e) { Reported().push_back(fw::DescribeException(e)); });
  }
  void TearDown() override {
    fw::RuntimeSetUnhandledExceptionObserver(nullptr);
    EXPECT_EQ(Reported(), expectedReports_);
  }

  static std::vector<std::string>& Reported() {
    static std::vector<std::string> reported;
    return reported;
  }

  fw::clock::ManualClockScope manualClock_;
  std::vector<std::string> expectedReports_{};
};

}  // namespace tembrel::test
