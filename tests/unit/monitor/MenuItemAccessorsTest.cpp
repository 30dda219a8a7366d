#include <gtest/gtest.h>

#include <set>

#include "MonitorFixture.h"
#include "runtime/Exceptions.h"
#include "runtime/Runtime.h"
#include "ui/MenuItem.h"

namespace {

using tembrel::test::CallAccessor;

struct MenuItemRow {
  const char* name;
  fw::Ref<fw::Object> (*accessor)(win_MainWindow&);
};

const MenuItemRow kMenuItems[] = {
    {"EditMenu", &CallAccessor<&win_MainWindow::EditMenu>},
    {"EditSelectAll", &CallAccessor<&win_MainWindow::EditSelectAll>},
    {"EditSeparator2", &CallAccessor<&win_MainWindow::EditSeparator2>},
    {"EditClear", &CallAccessor<&win_MainWindow::EditClear>},
    {"EditPaste", &CallAccessor<&win_MainWindow::EditPaste>},
    {"EditCopy", &CallAccessor<&win_MainWindow::EditCopy>},
    {"EditCut", &CallAccessor<&win_MainWindow::EditCut>},
    {"EditSeparator1", &CallAccessor<&win_MainWindow::EditSeparator1>},
    {"EditUndo", &CallAccessor<&win_MainWindow::EditUndo>},
    {"FileMenu", &CallAccessor<&win_MainWindow::FileMenu>},
    {"FileQuit", &CallAccessor<&win_MainWindow::FileQuit>},
};

using MenuItemAccessors = tembrel::test::MonitorTest;

TEST_F(MenuItemAccessors, EachReturnsTheItemOfItsOwnNameFromTheWindowsBar) {
  fw::Ref<fw::MenuBar> bar = window->MenuBar();
  ASSERT_TRUE(bar);
  std::set<fw::Object*> distinct;
  for (const MenuItemRow& row : kMenuItems) {
    fw::Ref<fw::Object> item = row.accessor(*window);
    ASSERT_TRUE(item) << row.name;
    EXPECT_EQ(item, bar->_Lookup(row.name)) << row.name;
    distinct.insert(item.get());
  }
  EXPECT_EQ(distinct.size(), std::size(kMenuItems)) << "the two separators are told apart by their names";
}

TEST_F(MenuItemAccessors, AWindowWithoutAMenuBarRaisesNilObjectExceptionFromEach) {
  auto bare = fw::RuntimeCheckCast<win_MainWindow>(fw::RuntimeNewObject(win_MainWindow::Description()));
  ASSERT_FALSE(bare->MenuBar());
  for (const MenuItemRow& row : kMenuItems) {
    EXPECT_THROW(row.accessor(*bare), fw::NilObjectException) << row.name;
  }
}

}  // namespace
