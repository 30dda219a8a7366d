#include "net/HTTPSocket.h"
#include "net/InternetHeaders.h"
#include "net/SocketCore.h"
#include "net/TCPSocket.h"
#include "runtime/Exceptions.h"
#include "runtime/Finalizers.h"
#include "runtime/Runtime.h"
#include "runtime/WeakRef.h"
#include "ui/Application.h"
#include "ui/Canvas.h"
#include "ui/CheckBox.h"
#include "ui/FolderItem.h"
#include "ui/Graphics.h"
#include "ui/Label.h"
#include "ui/MenuItem.h"
#include "ui/Picture.h"
#include "ui/PushButton.h"
#include "ui/Rectangle.h"
#include "ui/Timer.h"
#include "ui/Window.h"

namespace fw {

namespace {

template <class T>
void Register() {
  RuntimeRegisterClass(T::Description());
}

constexpr Initializer kFrameworkInitializers[] = {
    &Register<Object>,
    &Register<RuntimeException>,
    &Register<NilObjectException>,
    &Register<IllegalCastException>,
    &Register<ThreadAccessingUIException>,
    &Register<WeakRef>,
    &Register<Application>,
    &Register<Window>,
    &Register<MenuItem>,
    &Register<MenuBar>,
    &Register<QuitMenuItem>,
    &Register<Timer>,
    &Register<Graphics>,
    &Register<Picture>,
    &Register<FolderItem>,
    &Register<SocketCore>,
    &Register<TCPSocket>,
    &Register<InternetHeaders>,
    &Register<HTTPSocket>,
};

}  // namespace

std::span<const Initializer> FrameworkInitializers() { return kFrameworkInitializers; }

// The window-system controls: registered once the application is being set up.
void _RuntimeInitExternalClasses() {
  for (Initializer registration :
       {&Register<Rectangle>, &Register<Label>, &Register<CheckBox>, &Register<Canvas>, &Register<PushButton>}) {
    registration();
  }
}

}  // namespace fw
