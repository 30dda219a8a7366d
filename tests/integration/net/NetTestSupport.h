#pragma once

#include <gtest/gtest.h>

#include <exception>

#include "framework/runtime/Clock.h"
#include "framework/runtime/Runtime.h"

namespace tembrel::test {

// Every time limit runs on the manual clock, and an exception that a handler
// lets escape fails the test instead of ending the process.
class NetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::testing::UseManualClock();
    fw::RuntimeSetUnhandledExceptionReporter(
        [](std::exception_ptr e) { ADD_FAILURE() << "unhandled: " << fw::DescribeException(e); });
  }
  void TearDown() override { fw::RuntimeSetUnhandledExceptionReporter(nullptr); }
};

}  // namespace tembrel::test
