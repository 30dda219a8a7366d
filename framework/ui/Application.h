#pragma once

#include "../runtime/Object.h"

namespace fw {

class MenuBar;

class Application : public Object {
 public:
  static constexpr EventInfo kOwnEvents[] = {
      {"Activate"},         {"CancelClose"}, {"Close"}, {"Deactivate"},   {"EnableMenuItems"},
      {"HandleAppleEvent"}, {"NewDocument"}, {"Open"},  {"OpenDocument"}, {"UnhandledException"},
  };
  static constexpr EventTable kEventTable{"Application", &Object::kEventTable, kOwnEvents};

  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  Ref<fw::MenuBar> MenuBar() const;
  void SetMenuBar(Ref<fw::MenuBar> bar);

  static void _SetSupportsHiDPI(bool supported);

 private:
  Ref<fw::MenuBar> menuBar_{};
};

}  // namespace fw
