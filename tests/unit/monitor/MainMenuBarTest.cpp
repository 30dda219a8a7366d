#include <gtest/gtest.h>

#include <QAction>
#include <QKeySequence>
#include <thread>

#include "MainMenuBar.h"
#include "RuntimeSession.h"
#include "runtime/Exceptions.h"
#include "runtime/Runtime.h"
#include "ui/Application.h"
#include "ui/MenuItem.h"

namespace {

struct ItemRow {
  const char* parent;  // "" for the bar
  const char* name;
  const char* text;
  const char* shortcut;
  const char* qtShortcut;
};

// The whole tree, in menu order.
constexpr ItemRow kTree[] = {
    {"", "FileMenu", "&File", "", ""},
    {"FileMenu", "FileQuit", "&Quit", "Cmd+Q", "Ctrl+Q"},
    {"", "EditMenu", "&Edit", "", ""},
    {"EditMenu", "EditUndo", "&Undo", "Cmd+Z", "Ctrl+Z"},
    {"EditMenu", "EditSeparator1", "-", "", ""},
    {"EditMenu", "EditCut", "Cu&t", "Cmd+X", "Ctrl+X"},
    {"EditMenu", "EditCopy", "&Copy", "Cmd+C", "Ctrl+C"},
    {"EditMenu", "EditPaste", "&Paste", "Cmd+V", "Ctrl+V"},
    {"EditMenu", "EditClear", "&Delete", "", ""},
    {"EditMenu", "EditSeparator2", "-", "", ""},
    {"EditMenu", "EditSelectAll", "Select &All", "Cmd+A", "Ctrl+A"},
};

class MenuBarTest : public ::testing::Test {
 protected:
  void TearDown() override { tembrel::test::EndRuntime(); }
};

TEST_F(MenuBarTest, BuildsTheTreeInOrderWithCaptionsAndShortcuts) {
  auto bar = MainMenuBar::ImplicitInstance();
  ASSERT_EQ(bar->Count(), 2);
  EXPECT_EQ(bar->Item(0)->Name(), "FileMenu");
  EXPECT_EQ(bar->Item(1)->Name(), "EditMenu");
  EXPECT_EQ(bar->Child("FileMenu")->Count(), 1);
  EXPECT_EQ(bar->Child("EditMenu")->Count(), 8);

  std::map<std::string, int> position;
  for (const ItemRow& row : kTree) {
    auto item = bar->_Lookup(row.name);
    ASSERT_TRUE(item) << row.name;
    EXPECT_EQ(item->Text(), row.text) << row.name;
    EXPECT_EQ(item->KeyboardShortcut(), row.shortcut) << row.name;
    EXPECT_EQ(item->_Action()->shortcut(), QKeySequence(row.qtShortcut)) << row.name;
    EXPECT_EQ(item->_Action()->isSeparator(), std::string(row.text) == "-") << row.name;
    EXPECT_TRUE(item->AutoEnable() && item->Visible()) << row.name;
    auto parent = *row.parent ? bar->Child(row.parent) : fw::Ref<fw::MenuItem>(bar);
    EXPECT_EQ(parent->Item(position[row.parent]++), item) << row.name << " out of order";
  }
  EXPECT_TRUE(std::dynamic_pointer_cast<fw::QuitMenuItem>(bar->_Lookup("FileQuit")));
  EXPECT_FALSE(bar->_Lookup("EditRedo"));
  EXPECT_FALSE(bar->Child("EditCut")) << "Child looks only one level down";
}

TEST_F(MenuBarTest, EveryCallReturnsTheOneBar) {
  auto first = MainMenuBar::ImplicitInstance();
  EXPECT_EQ(MainMenuBar::ImplicitInstance(), first);
  EXPECT_EQ(MainMenuBar::ImplicitInstance(), first);
}

TEST_F(MenuBarTest, AFailedFirstBuildIsNotKeptAndTheNextCallBuildsAgain) {
  // With an application object, menus may be built on the main thread only.
  fw::RuntimePerformInitializers();
  fw::_RuntimeRegisterAppObject(std::make_shared<fw::Application>());
  std::exception_ptr failure;
  std::thread([&] {
    try {
      MainMenuBar::ImplicitInstance();
    } catch (...) {
      failure = std::current_exception();
    }
  }).join();
  ASSERT_TRUE(failure);
  EXPECT_NE(fw::DescribeException(failure).find("ThreadAccessingUIException"), std::string::npos);

  auto bar = MainMenuBar::ImplicitInstance();
  ASSERT_TRUE(bar);
  EXPECT_EQ(bar->Count(), 2);
  EXPECT_EQ(bar->Child("EditMenu")->Count(), 8);
}

TEST_F(MenuBarTest, MenuOperationsOffTheMainThreadRaiseWithTheFixedMessage) {
  auto bar = MainMenuBar::ImplicitInstance();
  fw::_RuntimeRegisterAppObject(std::make_shared<fw::Application>());
  std::string message;
  std::thread([&] {
    try {
      bar->_Lookup("FileQuit");
    } catch (const fw::ThreadAccessingUIException& e) {
      message = e.Message();
    }
  }).join();
  EXPECT_EQ(message,
            "A thread has attempted to manipulate a user interface element. This can only be done from the "
            "application's main thread.");
}

}  // namespace
