"""A stand-in stream server on 127.0.0.1:8000 whose answer the test switches."""

import http.server
import threading
import time

PORT = 8000


class StreamServer:
    """Answers "/" with the status of its mode (200 or 404); "down" listens on
    nothing, so that a connect is refused. "/listen" sends the tone once."""

    def __init__(self, tone_path):
        with open(tone_path, "rb") as f:
            self._tone = f.read()
        self._lock = threading.Lock()
        self._status = 200
        self._httpd = None
        self._thread = None
        self._checks = 0  # answers to "/"
        self._stream_requests = 0  # to "/listen"
        self._last_check = time.monotonic()

    def set_mode(self, mode):
        if mode == "down":
            self._stop()
            return
        with self._lock:
            self._status = mode
        if self._httpd is None:
            self._start()

    def check_count(self):
        with self._lock:
            return self._checks

    def stream_requests(self):
        with self._lock:
            return self._stream_requests

    def seconds_since_last_check(self):
        with self._lock:
            return time.monotonic() - self._last_check

    def close(self):
        self._stop()

    def _start(self):
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                if self.path == "/listen":
                    with server._lock:
                        server._stream_requests += 1
                    self._send(200, "audio/mpeg", server._tone)
                    return
                with server._lock:
                    status = server._status
                    server._checks += 1
                    server._last_check = time.monotonic()
                self._send(status, "text/plain", b"")

            def _send(self, status, content_type, body):
                self.send_response(status)
                self.send_header("Content-Type", content_type)
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                try:
                    self.wfile.write(body)
                except OSError:
                    pass  # the player may go before the tone has

            def log_message(self, *args):
                pass

        self._httpd = http.server.ThreadingHTTPServer(("127.0.0.1", PORT), Handler)
        self._httpd.daemon_threads = True
        self._thread = threading.Thread(target=self._httpd.serve_forever, daemon=True)
        self._thread.start()

    def _stop(self):
        if self._httpd is None:
            return
        self._httpd.shutdown()
        self._httpd.server_close()
        self._thread.join()
        self._httpd = None
