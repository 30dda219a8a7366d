#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "../runtime/Object.h"

class QAction;
class QMenu;

namespace fw {

// One item of a menu tree. An item with children is a menu. Captions keep
// their "&" mnemonic marks; the caption "-" makes a separator; shortcuts are
// written "Cmd+Q", which is Ctrl+Q on this desktop.
class MenuItem : public Object {
 public:
  static constexpr EventInfo kOwnEvents[] = {{"Action"}, {"EnableMenu"}};
  static constexpr EventTable kEventTable{"MenuItem", &Object::kEventTable, kOwnEvents};

  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

  MenuItem();
  ~MenuItem() override;

  void Constructor() {}

  const std::string& Name() const { return name_; }
  void SetName(std::string name);
  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  const std::string& KeyboardShortcut() const { return shortcut_; }
  void SetKeyboardShortcut(std::string shortcut);
  bool AutoEnable() const { return autoEnable_; }
  void SetAutoEnable(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);

  // Adds `child` after the existing children.
  void Append(const Ref<MenuItem>& child);
  std::int64_t Count() const { return static_cast<std::int64_t>(children_.size()); }
  Ref<MenuItem> Item(std::int64_t index) const;
  // The direct child with that name, or nil.
  Ref<MenuItem> Child(std::string_view name) const;
  // The item with that name at any depth below this one, or nil.
  Ref<MenuItem> _Lookup(std::string_view name) const;

  QAction* _Action() const { return action_.get(); }

 protected:
  // What choosing the item does; the base asks the focused control, then the
  // focused widget's standard edit action.
  virtual void Chosen();

 private:
  void UpdateAction();

  std::string name_{};
  std::string text_{};
  std::string shortcut_{};
  bool autoEnable_ = true;
  bool visible_ = true;
  std::vector<Ref<MenuItem>> children_{};
  std::unique_ptr<QAction> action_;
  std::unique_ptr<QMenu> menu_{};
};

// The framework's Quit item: choosing it ends the application with status 0.
class QuitMenuItem : public MenuItem {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override;

 protected:
  void Chosen() override;
};

class MenuBar : public MenuItem {
 public:
  static const ClassInfo& Description();
  const ClassInfo& Class() const override;
};

// "Cmd+Q" -> "Ctrl+Q": the notation of shortcuts on this desktop.
std::string ShortcutForDesktop(std::string_view shortcut);

}  // namespace fw
