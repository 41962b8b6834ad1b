"""A local HTTP server for the URL-loading tests, on 127.0.0.1 at a free port.

Prints the port on its first line, then serves until killed:
  /chart.tc3   a small file
  /missing     404
  /stall       the headers and a few bytes, then nothing
  /huge        more bytes than any limit the tests set (4 MiB)
  /redirect    a redirect to /chart.tc3
"""
import http.server
import sys
import time

CHART = b"saved chart bytes\n"


class Handler(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def send_body_headers(self, length):
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        if length is not None:
            self.send_header("Content-Length", str(length))
        self.end_headers()

    def do_GET(self):
        try:
            self.answer()
        except (BrokenPipeError, ConnectionResetError):
            pass  # the client gave up, as the size limit makes it

    def answer(self):
        if self.path == "/chart.tc3":
            self.send_body_headers(len(CHART))
            self.wfile.write(CHART)
        elif self.path == "/stall":
            self.send_body_headers(1000)
            self.wfile.write(b"x" * 10)
            self.wfile.flush()
            time.sleep(30)
        elif self.path == "/huge":
            self.send_body_headers(None)
            chunk = b"y" * 65536
            for _ in range(64):
                self.wfile.write(chunk)
        elif self.path == "/redirect":
            self.send_response(302)
            self.send_header("Location", "/chart.tc3")
            self.end_headers()
        else:
            self.send_error(404)


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
print(server.server_address[1], flush=True)
server.serve_forever()
