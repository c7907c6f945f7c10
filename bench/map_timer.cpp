// Times a program from its start to its first window shown on the X server
// (the first MapNotify of a top-level window), then ends it.
//   map_timer <runs> <program> [arguments...]
// Prints the median in milliseconds. Needs DISPLAY (for example under Xvfb).
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double TimeOneStart(xcb_connection_t* connection, xcb_window_t root, char** command) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execv(command[0], command);
    _exit(127);
  }
  double elapsed = -1;
  while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
    const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                        reinterpret_cast<xcb_map_notify_event_t*>(event)->event == root;
    free(event);
    if (mapped) {
      elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
      break;
    }
  }
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: map_timer <runs> <program> [arguments...]\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "map_timer: no X display\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection);

  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double ms = TimeOneStart(connection, root, argv + 2);
    if (ms < 0) {
      std::fprintf(stderr, "map_timer: %s showed no window\n", argv[2]);
      return 1;
    }
    times.push_back(ms);
  }
  std::sort(times.begin(), times.end());
  std::printf("%.1f\n", times[times.size() / 2]);
  xcb_disconnect(connection);
  return 0;
}
