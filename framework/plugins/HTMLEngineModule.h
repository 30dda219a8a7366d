#pragma once

#include <memory>
#include <string>

class QWidget;

namespace fw {

class HTMLEngine;

// Where the HTML engine module is looked for: beside the executable.
std::string HTMLEngineModulePath();

// Makes an engine view inside `parent`, loading the module the first time.
// Where the module cannot be loaded, says so once on standard error, with
// where it looked, and returns nullptr from then on.
std::unique_ptr<HTMLEngine> CreateHTMLEngine(QWidget& parent);

}  // namespace fw
