#include <gtest/gtest.h>

#include <vector>

#include "UrlRecorder.h"
#include "ui/ShowURL.h"

namespace {

using tembrel::test::UrlRecorder;

TEST(ShowURL, HandsTheExactAddressToTheDesktop) {
  for (const char* url :
       {"http://www.qax.church/", "http://www.qax.church:8080/live/listen?x=1&y=%20#top", "https://example.org/a/b"}) {
    UrlRecorder recorder;
    fw::ShowURL(url);
    EXPECT_EQ(recorder.opened, std::vector<QString>{QString(url)});
  }
}

}  // namespace
