#pragma once

#include <memory>

namespace fw {

// A counted reference: every framework and system object is held by these.
template <class T>
using Ref = std::shared_ptr<T>;

}  // namespace fw
