#include <gtest/gtest.h>

#include "framework/runtime/Runtime.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/CheckBox.h"
#include "framework/ui/FolderItem.h"
#include "framework/ui/Label.h"
#include "framework/ui/Picture.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/Rectangle.h"

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

}  // namespace
