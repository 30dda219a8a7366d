#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

#include "WindowFixture.h"
#include "runtime/Runtime.h"
#include "ui/MenuDispatch.h"
#include "ui/MenuItem.h"
#include "ui/Rectangle.h"

namespace {

using namespace fw;
using tembrel::test::WindowFixture;

class WindowMenu : public WindowFixture {};

TEST_F(WindowMenu, ACloseRequestIsRefused) {
  Show();
  QCloseEvent close;
  QCoreApplication::sendEvent(window->_NativeWindow(), &close);
  EXPECT_FALSE(close.isAccepted());
  EXPECT_TRUE(window->_NativeWindow()->isVisible());
}

TEST_F(WindowMenu, TheBarShowsTheTreeItWasGiven) {
  auto bar = std::make_shared<MenuBar>();
  auto file = std::make_shared<MenuItem>();
  file->SetText("&File");
  bar->Append(file);
  window->SetMenuBar(bar);
  auto* widget = static_cast<QMainWindow*>(window->_NativeWindow())->menuBar();
  ASSERT_EQ(widget->actions().size(), 1);
  EXPECT_EQ(widget->actions()[0]->text(), "&File") << "the mnemonic mark is Qt's own";
  EXPECT_EQ(ShortcutForDesktop("Cmd+Q"), "Ctrl+Q");
}

TEST_F(WindowMenu, ASeparatorShowsALineAndNoText) {
  auto edit = std::make_shared<MenuItem>();
  edit->SetText("&Edit");
  for (const char* text : {"&Undo", "-", "Cu&t"}) {
    auto item = std::make_shared<MenuItem>();
    item->SetText(text);
    edit->Append(item);
  }
  auto separator = edit->Item(1);
  EXPECT_EQ(separator->Text(), "-");
  QMenu* menu = edit->_Action()->menu();
  menu->popup(QPoint(0, 0));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
  const QImage image = menu->grab().toImage();
  const QRect row = menu->actionGeometry(separator->_Action());
  ASSERT_FALSE(row.isEmpty());
  // The line is a light shade; any text is drawn in the menu's dark text colour.
  const int text = menu->palette().color(QPalette::Text).lightness();
  const int background = menu->palette().color(QPalette::Window).lightness();
  int darkPixels = 0;
  for (int y = row.top(); y <= row.bottom(); ++y) {
    for (int x = row.left(); x <= row.right(); ++x) {
      darkPixels += QColor(image.pixel(x, y)).lightness() < (text + background) / 2;
    }
  }
  EXPECT_EQ(darkPixels, 0);
  menu->hide();
}

// A control that answers the edit items itself, or declines them.
class Handler : public Object {
 public:
  bool Handle() {
    ++calls;
    return handles;
  }
  bool handles = false;
  int calls = 0;
};

TEST_F(WindowMenu, EditCommandsGoToTheFocusedControlThenToTheWidgetsOwnAction) {
  // The focused widget lies inside a control, as the viewer's page lies inside the viewer.
  auto control = Add<Rectangle>("rct", "");
  auto* editor = new QLineEdit("some text", control->_Widget());
  Show();
  editor->setFocus();
  ASSERT_TRUE(editor->hasFocus());

  auto handler = std::make_shared<Handler>();
  control->_AddMenuHandler("EditSelectAll", Delegate(handler, &Handler::Handle, "(  ) as Boolean", 0));
  DispatchMenuCommand("EditSelectAll");
  EXPECT_EQ(handler->calls, 1);
  EXPECT_EQ(editor->selectedText(), "some text") << "not handled: the editor's own select-all";

  editor->deselect();
  handler->handles = true;
  DispatchMenuCommand("EditSelectAll");
  EXPECT_EQ(editor->selectedText(), "") << "handled by the control: nothing else happens";

  editor->selectAll();
  DispatchMenuCommand("EditClear");
  EXPECT_EQ(editor->text(), "") << "Delete removes the selection";
  DispatchMenuCommand("EditUndo");
  EXPECT_EQ(editor->text(), "some text");
  DispatchMenuCommand("FileMenu");  // not an edit item: nothing
  EXPECT_EQ(editor->text(), "some text");
}

}  // namespace
