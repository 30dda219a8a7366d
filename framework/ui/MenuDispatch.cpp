#include "MenuDispatch.h"

#include <QApplication>
#include <QWidget>

#include "RectControl.h"

namespace fw {

void DispatchMenuCommand(std::string_view itemName) {
  QWidget* focus = QApplication::focusWidget();
  RectControl* control = RectControl::_ControlOf(focus);
  if (!control) {
    StandardEditAction(focus, itemName);
  } else if (!control->_HandleMenuCommand(itemName)) {
    control->_StandardEditAction(focus, itemName);
  }
}

}  // namespace fw
