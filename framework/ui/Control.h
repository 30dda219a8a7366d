#pragma once

#include <cstdint>
#include <string>

#include "../runtime/Object.h"

namespace fw {

class Window;

// Something that a window owns and registers under a name.
class Control : public Object {
 public:
  static constexpr EventInfo kOwnEvents[] = {{"Close"}, {"Destroy"}, {"Open"}};
  static constexpr EventTable kEventTable{"Control", &Object::kEventTable, kOwnEvents};

  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  std::int64_t Index() const { return index_; }
  void SetIndex(std::int64_t index) { index_ = index; }
  std::int64_t TabPanelIndex() const { return tabPanelIndex_; }
  void SetTabPanelIndex(std::int64_t index) { tabPanelIndex_ = index; }

  Ref<fw::Window> Window() const { return window_.lock(); }
  // Called by the window that makes the control for itself.
  virtual void _SetOwner(const Ref<fw::Window>& window) { window_ = window; }
  // Raises Control.Open; the window does this once its controls exist.
  virtual void _Open();

 private:
  std::string name_{};
  std::int64_t index_ = 0;
  std::int64_t tabPanelIndex_ = 0;
  std::weak_ptr<fw::Window> window_{};
};

// Handlers are attached by this position: it must not move.
static_assert(EventPositionOf(Control::kEventTable, "Control.Open") == 2);

}  // namespace fw
