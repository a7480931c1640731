"""What the loopback test servers share: counting and logging the requests, answering, and serving on
127.0.0.1 until enough requests came, the lifetime ran out or (when asked) standard input closed."""
import http.server
import sys
import threading

lock = threading.Lock()
served = [0]
done = threading.Event()


def take_request(handler, max_requests):
    """Reads the request's body, logs the request, and returns (its 0-based index, the body)."""
    length = int(handler.headers.get("Content-Length") or 0)
    body = handler.rfile.read(length) if length > 0 else b""
    with lock:
        index = served[0]
        served[0] += 1
        print("REQUEST %s %s %s" % (handler.command, handler.path, body.hex() or "-"), flush=True)
        if served[0] >= max_requests:
            done.set()
    return index, body


def send_headers(handler, status, headers):
    handler.send_response(status)
    handler.send_header("Connection", "close")
    for name, value in headers:
        handler.send_header(name, value)
    handler.end_headers()


class QuietHandler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *unused):
        pass


def watch_stdin():
    sys.stdin.read()
    done.set()


def serve(handler_class, port, lifetime, stop_when_stdin_closes=True):
    """Prints "PORT <n>" and serves until done or lifetime seconds have passed."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler_class)
    server.daemon_threads = True
    print("PORT %d" % server.server_address[1], flush=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    if stop_when_stdin_closes:
        threading.Thread(target=watch_stdin, daemon=True).start()
    done.wait(lifetime)
    server.shutdown()
