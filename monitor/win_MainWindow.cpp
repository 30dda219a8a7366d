#include "win_MainWindow.h"

#include "net/HTTPSocket.h"
#include "runtime/ClassInfo.h"
#include "runtime/Runtime.h"

namespace {

constexpr fw::PropertyInfo kProperties[] = {
    fw::Field("HTTPGetSocket", fw::PropertyType::Object),
    fw::Field("LinkOpen", fw::PropertyType::Boolean),
    fw::Field("RemoteServer", fw::PropertyType::String),
    fw::Field("RemotePort", fw::PropertyType::Integer),
};

// The class's own operations, in the order of its table of virtual operations.
constexpr fw::MethodInfo kMethods[] = {
    {"Layout", "(  )"},
    {"CreateControls", "(  )"},
    {"_CreateControls0", "(  )", "Hidden"},
    {"skt_TestOnlineSocket", "(  ) as TCPSocket"},
    {"tmr_LiveCheckTimer", "(  ) as Timer"},
    {"rct_OnAirLight", "(  ) as Rectangle"},
    {"lbl_OnlineState", "(  ) as Label"},
    {"chk_StartPlaying", "(  ) as CheckBox"},
    {"pic_Logo", "(  ) as Canvas"},
    {"btn_Exit", "(  ) as PushButton"},
    {"lbl_Heading", "(  ) as Label"},
    {"btn_Open", "(  ) as BevelButton"},
    {"htm_AudioPlayer", "(  ) as HTMLViewer"},
    {"skt_TestOnlineSocket_Connected", "( TCPSocket )"},
    {"skt_TestOnlineSocket_Error", "( TCPSocket )"},
    {"tmr_LiveCheckTimer_Action", "( Timer )"},
    {"btn_Exit_Action", "( PushButton )"},
    {"btn_Open_Open", "( BevelButton )"},
    {"btn_Open_Action", "( BevelButton )"},
    {"htm_AudioPlayer_Open", "( HTMLViewer )"},
    {"EditMenu", "(  ) as MenuItem"},
    {"EditSelectAll", "(  ) as MenuItem"},
    {"EditSeparator2", "(  ) as MenuItem"},
    {"EditClear", "(  ) as MenuItem"},
    {"EditPaste", "(  ) as MenuItem"},
    {"EditCopy", "(  ) as MenuItem"},
    {"EditCut", "(  ) as MenuItem"},
    {"EditSeparator1", "(  ) as MenuItem"},
    {"EditUndo", "(  ) as MenuItem"},
    {"FileMenu", "(  ) as MenuItem"},
    {"FileQuit", "(  ) as QuitMenuItem"},
    {"Event_Open", "(  )"},
    {"Event_Paint", "( Graphics, Rect() )"},
    {"CheckLiveState", "( String, Integer )"},
    {"HTTPGetError", "( HTTPSocket, Integer )"},
    {"StreamAvailable", "(  )"},
    {"StreamNotAvailable", "(  )"},
    {"HTTPHeadersRx", "( HTTPSocket, InternetHeaders, Integer )"},
};
static_assert(std::size(kMethods) == 38);

// The window events that the class handles for every instance.
constexpr fw::ClassEventHandler kEventHandlers[] = {
    fw::HandlesEvent<&win_MainWindow::CreateControls>("Window.CreateControls"),
    fw::HandlesEvent<&win_MainWindow::Layout>("Window.Layout"),
    fw::HandlesEvent<&win_MainWindow::Event_Open>("Window.Open"),
    fw::HandlesEvent<&win_MainWindow::Event_Paint>("Window.Paint"),
};

}  // namespace

const fw::ClassInfo& win_MainWindow::Description() {
  static const fw::ClassInfo info{.name = "win_MainWindow.win_MainWindow",
                                  .base = &fw::Window::Description(),
                                  .properties = kProperties,
                                  .methods = kMethods,
                                  .eventHandlers = kEventHandlers,
                                  .create = &fw::Create<win_MainWindow>};
  return info;
}

const fw::ClassInfo& win_MainWindow::Class() const { return Description(); }

fw::Ref<win_MainWindow> win_MainWindow::ImplicitInstance() {
  fw::Ref<fw::Object> window = fw::_GetImplicitWindow(Description().name);
  if (!window) {
    auto created = fw::RuntimeCheckCast<fw::Window>(fw::RuntimeNewObject(Description()));
    created->Constructor();
    window = created;
  }
  return fw::RuntimeCheckCast<win_MainWindow>(window);
}

win_MainWindow::win_MainWindow() : requestTimeLimit_([this] { RequestTimeLimitReached(); }) {}

// Releases the check's client, if a check is in progress, then the server's name.
win_MainWindow::~win_MainWindow() {
  HTTPGetSocket = nullptr;
  RemoteServer.clear();
}
