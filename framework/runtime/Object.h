#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "Delegate.h"
#include "EventTable.h"
#include "Ref.h"

namespace fw {

struct ClassInfo;

// The root of every framework and system class. Objects are held by counted
// references (Ref); each one carries a small table from event position to the
// delegate attached there.
class Object : public std::enable_shared_from_this<Object> {
 public:
  static constexpr EventTable kEventTable{"Object", nullptr};

  static const ClassInfo& Description();
  virtual const ClassInfo& Class() const;

  Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object() = default;

  void AddEventHandler(int position, Delegate delegate);
  void RemoveEventHandler(int position, const Delegate& delegate);
  bool HasEventHandler(int position) const;

  // Raises the event at `position` with `args`: the handler that the class
  // names for it, else the delegate attached to this object, else nothing.
  // An exception from the handler passes to the caller.
  template <class... A>
  void RaiseEvent(int position, A... args) {
    auto tuple = MakeEventArgs(std::move(args)...);
    RaiseErased(position, EraseArgs(tuple));
  }

  // A counted reference to this object, or nil when none owns it (an object
  // built on the stack or inside another). Event paths take the reference that
  // keeps the object alive, and the sender they raise, this way: it never throws.
  Ref<Object> SelfOrNil() { return weak_from_this().lock(); }

  template <class T>
  Ref<T> SharedAs() {
    return std::static_pointer_cast<T>(shared_from_this());
  }

 private:
  void RaiseErased(int position, const ErasedArgs& args);

  std::vector<std::pair<int, Delegate>> handlers_{};
};

}  // namespace fw
