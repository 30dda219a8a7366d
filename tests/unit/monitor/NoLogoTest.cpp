#include <gtest/gtest.h>

#include "MonitorFixture.h"
#include "plugins/HTMLViewer.h"
#include "ui/Canvas.h"
#include "ui/Label.h"

namespace {

// This binary lives where no logo is supplied.
using NoLogo = tembrel::test::MonitorTest;

TEST_F(NoLogo, TheCanvasGetsNoBackdropAndTheRestIsCreated) {
  EXPECT_FALSE(window->pic_Logo()->Backdrop());
  EXPECT_EQ(window->pic_Logo()->Width(), 237) << "its settings were applied";
  EXPECT_EQ(window->_ControlCount(), 10u);
  EXPECT_EQ(window->lbl_Heading()->Text(), "Tembrel");
  EXPECT_TRUE(window->htm_AudioPlayer()->HasEventHandler(34));
}

}  // namespace
