#include <vector>

#include "WindowFixture.h"
#include "ui/Graphics.h"

namespace {

using namespace fw;
using tembrel::test::WindowFixture;

// Keeps the Graphics of the last Paint event, as a careless handler might.
class Keeper : public Object {
 public:
  void Paint(Ref<Graphics> graphics, std::vector<Rect>) { kept = graphics; }
  Ref<Graphics> kept;
};

using WindowPaintTest = WindowFixture;

// The painter lives only as long as the Paint event: a Graphics kept past it
// draws nothing, and never reaches for the painter that is gone (a memory
// checker such as valgrind sees the difference; a plain run may not).
TEST_F(WindowPaintTest, AGraphicsKeptPastPaintDrawsNothing) {
  auto keeper = std::make_shared<Keeper>();
  window->AddEventHandler(EventPosition(window->Class(), "Window.Paint"),
                          Delegate(keeper, &Keeper::Paint, "( Graphics, Rect() )", 1));
  const QImage before = Grab();
  ASSERT_TRUE(keeper->kept);
  EXPECT_FALSE(keeper->kept->_Painting()) << "the painter went with the event";
  keeper->kept->SetForeColor(Color{0xFF0000});
  keeper->kept->FillRect(0, 0, 600, 250);
  EXPECT_EQ(Grab(), before);
}

}  // namespace
