// Starts a program and watches its first top-level window on the X server in
// DISPLAY: prints the milliseconds from exec to the window being mapped and to
// its first painted picture, then leaves the program running and prints its
// pid. Used by bench/desktop_bench.sh for this game and for other desktop
// programs alike, so every figure is taken the same way.
//
//   window_watch [--timeout SECONDS] -- PROGRAM [ARGUMENTS...]
//
// "Painted": the window's pixels, read back from the server, are no longer
// the black of a window nobody has drawn in (anywhere in nine squares spread
// over it). On a server without a window manager an undrawn window shows
// black.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

double NowMs() {
  return std::chrono::duration<double, std::milli>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// The pid a window says it belongs to (_NET_WM_PID), or 0.
long WindowPid(Display* display, Window window) {
  const Atom property = XInternAtom(display, "_NET_WM_PID", True);
  if (property == None) return 0;
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  long pid = 0;
  if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                         &count, &after, &data) == Success &&
      data != nullptr && count == 1 && format == 32) {
    pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
  }
  if (data != nullptr) XFree(data);
  return pid;
}

// Whether the window shows anything but undrawn black. Nine small squares
// spread over the window are read (reading the whole window each time would
// make the watcher's own lag the larger part of what it measures).
bool Painted(Display* display, Window window) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0 ||
      attributes.map_state != IsViewable) {
    return false;
  }
  constexpr int kSide = 16;
  for (int row = 1; row <= 3; ++row) {
    for (int column = 1; column <= 3; ++column) {
      const int x = attributes.width * column / 4 - kSide / 2;
      const int y = attributes.height * row / 4 - kSide / 2;
      if (x < 0 || y < 0) continue;
      XImage* image = XGetImage(display, window, x, y, kSide, kSide, AllPlanes, ZPixmap);
      if (image == nullptr) continue;
      bool painted = false;
      for (int py = 0; py < kSide && !painted; ++py) {
        for (int px = 0; px < kSide; ++px) {
          if ((XGetPixel(image, px, py) & 0xFFFFFFu) != 0) {
            painted = true;
            break;
          }
        }
      }
      XDestroyImage(image);
      if (painted) return true;
    }
  }
  return false;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

int main(int argc, char** argv) {
  double timeout_s = 30.0;
  int first = 1;
  for (; first < argc; ++first) {
    if (std::strcmp(argv[first], "--timeout") == 0 && first + 1 < argc) {
      timeout_s = std::atof(argv[++first]);
    } else if (std::strcmp(argv[first], "--") == 0) {
      ++first;
      break;
    } else {
      break;
    }
  }
  if (first >= argc) {
    std::fprintf(stderr, "usage: window_watch [--timeout SECONDS] -- PROGRAM [ARGUMENTS...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "window_watch: cannot open the display\n");
    return 2;
  }
  XSetErrorHandler(IgnoreErrors);  // windows come and go while they are read
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const double started = NowMs();
  const pid_t child = fork();
  if (child < 0) return 2;
  if (child == 0) {
    execvp(argv[first], argv + first);
    std::perror("window_watch: exec");
    _exit(127);
  }

  Window window = None;
  double mapped = -1.0;
  double painted = -1.0;
  const double deadline = started + timeout_s * 1000.0;
  while (painted < 0.0 && NowMs() < deadline) {
    if (waitpid(child, nullptr, WNOHANG) == child) {
      std::fprintf(stderr, "window_watch: the program ended before it painted\n");
      return 1;
    }
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (window == None && event.type == MapNotify && event.xmap.event == root) {
        const long pid = WindowPid(display, event.xmap.window);
        if (pid == 0 || pid == child) {
          window = event.xmap.window;
          mapped = NowMs();
        }
      }
    }
    if (window != None && Painted(display, window)) {
      painted = NowMs();
      break;
    }
    pollfd wait{ConnectionNumber(display), POLLIN, 0};
    poll(&wait, 1, 2);
  }
  if (painted < 0.0) {
    std::fprintf(stderr, "window_watch: no painted window within %.0f s\n", timeout_s);
    kill(child, SIGTERM);
    return 1;
  }
  std::printf("exec_at %.1f\n", started);
  std::printf("exec_to_mapped_ms %.1f\nexec_to_painted_ms %.1f\npid %d\n", mapped - started,
              painted - started, static_cast<int>(child));
  XCloseDisplay(display);
  return 0;
}
