#pragma once

#include <span>

namespace fw {

using Initializer = void (*)();

// The framework's own entries of the start-up initialiser list.
std::span<const Initializer> FrameworkInitializers();

// Module state that the runtime's finalisers release, newest first.
void RuntimeAddFinalizer(void (*finalizer)());
void RunFinalizers();

}  // namespace fw
