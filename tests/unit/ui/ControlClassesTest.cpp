#include <gtest/gtest.h>

#include "net/HTTPSocket.h"
#include "plugins/BevelButton.h"
#include "plugins/HTMLViewer.h"
#include "runtime/ClassInfo.h"
#include "runtime/Runtime.h"
#include "ui/Application.h"
#include "ui/Canvas.h"
#include "ui/CheckBox.h"
#include "ui/FolderItem.h"
#include "ui/Label.h"
#include "ui/MenuItem.h"
#include "ui/Picture.h"
#include "ui/PushButton.h"
#include "ui/Rectangle.h"
#include "ui/Timer.h"
#include "ui/Window.h"

namespace {

using namespace fw;

TEST(ControlClasses, AreRegisteredUnderTheirBaseAndMakeTheirOwnObjects) {
  RuntimePerformInitializers();
  _RuntimeInitExternalClasses();
  const struct {
    const ClassInfo& cls;
    const ClassInfo& base;
    bool creatable;  // by the window's __New
  } cases[] = {
      {Rectangle::Description(), RectControl::Description(), true},
      {Label::Description(), RectControl::Description(), true},
      {CheckBox::Description(), RectControl::Description(), true},
      {Canvas::Description(), RectControl::Description(), true},
      {PushButton::Description(), RectControl::Description(), true},
      {Picture::Description(), Object::Description(), false},
      {FolderItem::Description(), Object::Description(), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cls.name);
    EXPECT_TRUE(RuntimeIsRegistered(c.cls));
    EXPECT_EQ(c.cls.base, &c.base);
    ASSERT_EQ(c.cls.create != nullptr, c.creatable);
    if (c.creatable) {
      EXPECT_EQ(&RuntimeNewObject(c.cls)->Class(), &c.cls);
    }
  }
}

// Code finds positions in the constant tables, the runtime names and counts
// events by the descriptions: each table must be its description's own rows,
// with the same chain of bases.
TEST(ClassTables, EachEventTableIsItsDescriptionsRowsAndBases) {
  const struct {
    const EventTable& table;
    const ClassInfo& cls;
  } cases[] = {
      {Object::kEventTable, Object::Description()},
      {Application::kEventTable, Application::Description()},
      {MenuItem::kEventTable, MenuItem::Description()},
      {Window::kEventTable, Window::Description()},
      {Timer::kEventTable, Timer::Description()},
      {Control::kEventTable, Control::Description()},
      {RectControl::kEventTable, RectControl::Description()},
      {PushButton::kEventTable, PushButton::Description()},
      {BevelButton::kEventTable, BevelButton::Description()},
      {HTMLViewer::kEventTable, HTMLViewer::Description()},
      {SocketCore::kEventTable, SocketCore::Description()},
      {TCPSocket::kEventTable, TCPSocket::Description()},
      {HTTPSocket::kEventTable, HTTPSocket::Description()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cls.name);
    const EventTable* table = &c.table;
    const ClassInfo* cls = &c.cls;
    for (; table && cls; table = table->base, cls = cls->base) {
      EXPECT_EQ(table->name, cls->name);
      EXPECT_EQ(table->events.data(), cls->events.data());
      EXPECT_EQ(table->events.size(), cls->events.size());
    }
    EXPECT_EQ(table, nullptr) << "the table's chain is longer";
    EXPECT_EQ(cls, nullptr) << "the description's chain is longer";
  }
}

}  // namespace
