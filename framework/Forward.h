#pragma once

#include "runtime/Ref.h"

// The framework's classes by name, for headers that only hold or pass them.
namespace fw {

class Object;
class Application;
class Window;
class Control;
class RectControl;
class Rectangle;
class Label;
class CheckBox;
class Canvas;
class PushButton;
class BevelButton;
class HTMLViewer;
class MenuBar;
class MenuItem;
class QuitMenuItem;
class Timer;
class SocketCore;
class TCPSocket;
class HTTPSocket;
class InternetHeaders;
class Graphics;
class Picture;
class FolderItem;

}  // namespace fw
