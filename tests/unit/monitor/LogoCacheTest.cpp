#include <gtest/gtest.h>

#include <QImage>
#include <stdexcept>

#include "qaxlogo.h"
#include "ui/Picture.h"

namespace {

// A scripted opener: each call takes the next outcome.
enum class Outcome { Nil, Raise, Picture };
std::vector<Outcome> script;
int opens = 0;

fw::Ref<fw::Picture> ScriptedOpen(std::string_view name) {
  EXPECT_EQ(name, "qaxlogo");
  Outcome outcome = script.at(opens++);
  if (outcome == Outcome::Raise) throw std::runtime_error("unreadable");
  if (outcome == Outcome::Nil) return nullptr;
  return std::make_shared<fw::Picture>(QImage(2, 2, QImage::Format_ARGB32));
}

TEST(LogoCache, KeepsTheFirstPictureAndRemembersNeitherNilNorExceptions) {
  script = {Outcome::Nil, Outcome::Raise, Outcome::Picture, Outcome::Picture};
  opens = 0;
  LogoCache cache(&ScriptedOpen);

  EXPECT_FALSE(cache.Get());
  EXPECT_THROW(cache.Get(), std::runtime_error);
  auto picture = cache.Get();
  ASSERT_TRUE(picture);
  EXPECT_EQ(cache.Get(), picture);
  EXPECT_EQ(cache.Get(), picture);
  EXPECT_EQ(opens, 3) << "no open after the one that yielded a picture";
}

TEST(LogoCache, TheShippedLogoOpensFromBesideTheExecutable) {
  auto logo = qaxlogo();
  ASSERT_TRUE(logo);
  EXPECT_EQ(logo->Width(), 237);
  EXPECT_EQ(logo->Height(), 37);
  EXPECT_EQ(qaxlogo(), logo);
}

}  // namespace
