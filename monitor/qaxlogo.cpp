#include "qaxlogo.h"

#include "ui/Picture.h"

fw::Ref<fw::Picture> LogoCache::Get() {
  if (!pic_) pic_ = open_("qaxlogo");
  return pic_;
}

fw::Ref<fw::Picture> qaxlogo() {
  static LogoCache cache(&fw::Picture::_OpenFromApp);
  return cache.Get();
}
