#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "RuntimeSession.h"
#include "plugins/BevelButton.h"
#include "plugins/HTMLViewer.h"
#include "runtime/Runtime.h"
#include "ui/Application.h"
#include "ui/Canvas.h"
#include "ui/CheckBox.h"
#include "ui/Label.h"
#include "ui/MenuItem.h"
#include "ui/PushButton.h"
#include "ui/Rectangle.h"
#include "ui/Window.h"

namespace {

using namespace fw;

// Once an application object exists, building a window, a control or a menu
// item on another thread raises, and leaves nothing made.
TEST(MainThread, UserInterfaceObjectsAreBuiltOnTheMainThreadOnly) {
  _RuntimeRegisterAppObject(std::make_shared<Application>());
  const ClassInfo* classes[] = {
      &Window::Description(),     &Canvas::Description(),    &Label::Description(),       &CheckBox::Description(),
      &PushButton::Description(), &Rectangle::Description(), &BevelButton::Description(), &HTMLViewer::Description(),
      &MenuItem::Description(),   &MenuBar::Description(),
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
