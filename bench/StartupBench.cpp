// Start-up: from process start to the window mapped on the display with the
// first check under way (its probe accepted by our server on the stream
// port), for the real tembrel binary against a plain Qt Widgets window of
// the same size. Both are watched from outside: the X server reports the map.
#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QHostAddress>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "Bench.h"
#include "Processes.h"

namespace {

using bench::Clock;

// Top-level windows mapped on the display's first screen.
class MapWatch {
 public:
  MapWatch() : connection_(xcb_connect(nullptr, nullptr)) {
    if (xcb_connection_has_error(connection_)) {
      bench::Note("no X display");
      std::exit(2);
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
    notifier_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection_), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Read(); });
  }
  ~MapWatch() {
    notifier_.reset();
    xcb_disconnect(connection_);
  }

  // Forgets the maps seen so far.
  void Reset() {
    Read();
    firstMap_.reset();
  }
  const std::optional<Clock::time_point>& FirstMap() const { return firstMap_; }

 private:
  void Read() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
      if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && !firstMap_ &&
          !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect) {
        firstMap_ = Clock::now();
      }
      std::free(event);
    }
  }

  xcb_connection_t* connection_;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::optional<Clock::time_point> firstMap_;
};

// Accepts on the stream port and notes the first connection of each run.
class ProbeListener {
 public:
  ProbeListener() {
    if (!server_.listen(QHostAddress::LocalHost, bench::kStreamPort)) {
      bench::Note("cannot listen on 127.0.0.1:%d", bench::kStreamPort);
      std::exit(2);
    }
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      if (!firstConnection_) firstConnection_ = Clock::now();
      while (QTcpSocket* socket = server_.nextPendingConnection()) socket->setParent(&connections_);
    });
  }
  void Reset() {
    qDeleteAll(connections_.children());
    firstConnection_.reset();
  }
  const std::optional<Clock::time_point>& FirstConnection() const { return firstConnection_; }

 private:
  QTcpServer server_;
  QObject connections_;
  std::optional<Clock::time_point> firstConnection_;
};

struct Program {
  const char* name;
  std::string path;
  bool checks;                                  // waits for the first probe too
  std::vector<double> ready{}, map{}, probe{};  // milliseconds from process start
};

void RunOnce(Program& program, MapWatch& watch, ProbeListener& listener, bool counted) {
  watch.Reset();
  listener.Reset();
  bench::Child child = bench::Spawn(program.path);
  const auto ready =
      bench::Await([&] { return watch.FirstMap() && (!program.checks || listener.FirstConnection()); }, 30000);
  bench::Stop(child);
  // Lets the display and the port settle before the next run.
  bench::RunFor(200);
  if (!ready) {
    bench::Note("%s: no window within 30 s", program.name);
    std::exit(1);
  }
  const double map = bench::Milliseconds(*watch.FirstMap() - child.started);
  const double probe = program.checks ? bench::Milliseconds(*listener.FirstConnection() - child.started) : 0;
  bench::Note("%s%s: mapped %.1f ms%s", program.name, counted ? "" : " (warm-up)", map,
              program.checks ? bench::Format(", first probe %.1f ms", probe).c_str() : "");
  if (!counted) return;
  program.map.push_back(map);
  program.probe.push_back(probe);
  program.ready.push_back(std::max(map, probe));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 3) {
    bench::Note("usage: %s <tembrel> <baseline> [runs]", argv[0]);
    return 2;
  }
  const int runs = argc > 3 ? std::atoi(argv[3]) : 11;
  MapWatch watch;
  ProbeListener listener;
  Program tembrel{"tembrel", argv[1], true};
  Program baseline{"baseline", argv[2], false};
  // One uncounted run each first, then the two in turn.
  for (int i = 0; i <= runs; ++i) {
    for (Program* program : {&baseline, &tembrel}) RunOnce(*program, watch, listener, i > 0);
  }
  const double t = bench::Median(tembrel.ready), b = bench::Median(baseline.ready);
  bench::Row("Start-up, tembrel", bench::Format("%.0f ms", t),
             bench::Format("median of %d, exec to window mapped (%.0f) and first probe accepted (%.0f)", runs,
                           bench::Median(tembrel.map), bench::Median(tembrel.probe)));
  bench::Row("Start-up, Qt Widgets baseline", bench::Format("%.0f ms", b),
             bench::Format("median of %d, exec to 600x250 QMainWindow with menu bar mapped", runs));
  bench::Row("Start-up ratio", bench::Format("%.2f", t / b), "tembrel / baseline");
  return 0;
}
