#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "RuntimeSession.h"
#include "framework/plugins/BevelButton.h"
#include "framework/plugins/HTMLViewer.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/Application.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/CheckBox.h"
#include "framework/ui/Label.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/Rectangle.h"
#include "framework/ui/Window.h"

namespace {

using namespace fw;

// Once an application object exists, building a window, a control or a menu
// item on another thread raises, and leaves nothing made.
TEST(MainThread, UserInterfaceObjectsAreBuiltOnTheMainThreadOnly) {
  _RuntimeRegisterAppObject(std::make_shared<Application>());
  const ClassInfo* classes[] = {
      &Window::Description(),   &Canvas::Description(),      &Label::Description(),
      &CheckBox::Description(), &PushButton::Description(),  &Rectangle::Description(),
      &BevelButton::Description(), &HTMLViewer::Description(), &MenuItem::Description(),
      &MenuBar::Description(),
  };
  for (const ClassInfo* cls : classes) {
    SCOPED_TRACE(cls->name);
    std::string raised;
    Ref<Object> made;
    std::thread([&] {
      try {
        made = RuntimeNewObject(*cls);
      } catch (const ThreadAccessingUIException& e) {
        raised = e.Class().name;
      }
    }).join();
    EXPECT_EQ(raised, "ThreadAccessingUIException");
    EXPECT_FALSE(made);
    made = nullptr;
    EXPECT_NO_THROW(RuntimeNewObject(*cls)) << "on the main thread";
  }
  tembrel::test::EndRuntime();
}

}  // namespace
