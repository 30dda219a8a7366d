#include "PlayerPage.h"

#include "runtime/Text.h"

namespace {

constexpr std::string_view kPageStart = "<html><body bgcolor=\"#";
constexpr std::string_view kAudioStart = "\"><audio controls ";
constexpr std::string_view kAutoplay = "autoplay ";
constexpr std::string_view kAudioRest =
    "controlsList=\"nodownload\" preload=\"auto\" "
    "style=\"width:100%;position:absolute;top:0px;left:0px;\"><source src=\"http://";
constexpr std::string_view kPageEnd =
    "/listen\" type=\"audio/mpg\">Your browser does not support the audio tag.</audio></body></html>";

static_assert(kPageStart.size() == 22 && kAudioStart.size() == 18 && kAutoplay.size() == 9 &&
              kAudioRest.size() == 116 && kPageEnd.size() == 92);

}  // namespace

std::string PlayerPage(std::string_view colorText, bool autoplay, std::string_view server, std::int64_t port) {
  std::string page;
  page += kPageStart;
  page += colorText;
  page += kAudioStart;
  if (autoplay) page += kAutoplay;
  page += kAudioRest;
  page += server;
  page += ":";
  page += fw::Str(port, "");
  page += kPageEnd;
  return page;
}
