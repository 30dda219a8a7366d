#pragma once

#include <span>

#include "runtime/Finalizers.h"
#include "runtime/Object.h"

// The road from the process entry to the event loop and back.
void _Main();
void _EarlyStartup();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
void _LateStartup();
void _MakeDefaultView();
fw::Ref<fw::Object> _CallFunctionWithExceptionHandling(void (*function)(void*), void* argument);

// The system's own entries of the start-up initialiser list, run after the framework's.
std::span<const fw::Initializer> SystemInitializers();

// The framework release this build is made for.
constexpr double kRuntimeVersion = 2024.01;
