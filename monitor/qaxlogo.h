#pragma once

#include <string_view>

#include "Forward.h"

// The organisation's logo, opened from the application's resources when first
// needed and kept once an open yields a picture.
fw::Ref<fw::Picture> qaxlogo();

// What qaxlogo keeps: opens until one open yields a picture, then holds that
// one for good. A nil result or an exception is not remembered.
class LogoCache {
 public:
  using Opener = fw::Ref<fw::Picture> (*)(std::string_view name);
  explicit LogoCache(Opener open) : open_(open) {}

  fw::Ref<fw::Picture> Get();

 private:
  Opener open_;
  fw::Ref<fw::Picture> pic_{};
};
