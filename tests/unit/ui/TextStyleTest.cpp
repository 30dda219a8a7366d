#include <QWidget>
#include <functional>

#include "WindowFixture.h"
#include "plugins/BevelButton.h"
#include "ui/CheckBox.h"
#include "ui/Label.h"
#include "ui/PushButton.h"

namespace {

using namespace fw;
namespace s = fw::settings;
using tembrel::test::WindowFixture;

using TextStyleTest = WindowFixture;

// Every control with a text style reads TextFont, TextSize and TextUnit alike.
TEST_F(TextStyleTest, EveryTextControlTakesItsFontTheSameWay) {
  const struct {
    const char* what;
    std::function<Ref<RectControl>()> make;
  } controls[] = {
      {"label", [&] { return Add<Label>("label", ""); }},
      {"check box", [&] { return Add<CheckBox>("box", ""); }},
      {"push button", [&] { return Add<PushButton>("button", ""); }},
      {"bevel button", [&] { return Add<BevelButton>("bevel", ""); }},
  };
  for (const auto& c : controls) {
    SCOPED_TRACE(c.what);
    auto control = c.make();
    const QFont desktop = control->_Widget()->font();
    _SetProperties(*control, s::Block({s::String("TextFont", "DejaVu Serif"), s::Single("TextSize", 20),
                                       s::Units("TextUnit", FontUnits::Pixel), s::Boolean("Bold", true)}));
    QFont font = control->_Widget()->font();
    EXPECT_EQ(font.family(), "DejaVu Serif");
    EXPECT_EQ(font.pixelSize(), 20);
    EXPECT_TRUE(font.bold());

    _SetProperties(*control, s::Block({s::String("TextFont", "System"), s::Single("TextSize", 0)}));
    font = control->_Widget()->font();
    EXPECT_EQ(font.family(), desktop.family()) << "System is the desktop's font again";
    EXPECT_DOUBLE_EQ(font.pointSizeF(), desktop.pointSizeF());
    EXPECT_TRUE(font.bold());
  }
}

}  // namespace
