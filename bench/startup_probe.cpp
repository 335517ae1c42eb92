// SPDX-License-Identifier: MIT
// Starts a program on the X display and reports how long it took until its windows were on
// screen and painted, and its peak memory by then.
//
//   startup_probe WINDOWS TIMEOUT_MS PROGRAM [ARGS...]
//
// Prints one line "ms=<milliseconds> hwm_kb=<peak resident KiB>" and ends the program.
//
// The X server tells us, with no polling: SubstructureNotify on the root window reports every
// top-level window the program creates and maps, and a DAMAGE object on each of them reports
// the first drawing into it. The clock starts right before fork/exec and stops when WINDOWS
// top-level windows are mapped and each of them has been drawn into. Windows that are never
// mapped (Qt's hidden helper windows) do not count.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

namespace tovimel {
namespace {

struct Window {
  bool mapped = false;
  bool painted = false;
};

long PeakResidentKib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

void Stop(pid_t pid) {
  kill(pid, SIGTERM);
  for (int i = 0; i < 100; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    usleep(20'000);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

int Run(int windows_wanted, int timeout_ms, char** command) {
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) {
    std::fprintf(stderr, "startup_probe: cannot open the display\n");
    return 2;
  }
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(x, &xcb_damage_id);
  if (!damage || !damage->present) {
    std::fprintf(stderr, "startup_probe: the X server has no DAMAGE extension\n");
    return 2;
  }
  free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_void_cookie_t selected =
      xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask);
  if (xcb_generic_error_t* e = xcb_request_check(x, selected)) {
    std::fprintf(stderr, "startup_probe: cannot watch the root window (error %d)\n", e->error_code);
    free(e);
    return 2;
  }

  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid < 0) return 2;
  if (pid == 0) {
    execvp(command[0], command);
    std::perror("startup_probe: exec");
    _exit(127);
  }

  std::map<xcb_window_t, Window> seen;
  const auto done = [&] {
    int ready = 0;
    for (const auto& [id, w] : seen) {
      if (w.mapped && !w.painted) return false;
      ready += w.mapped && w.painted;
    }
    return ready >= windows_wanted;
  };

  pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
  const Clock::time_point deadline = start + std::chrono::milliseconds(timeout_ms);
  bool finished = false;
  Clock::time_point end;
  while (!finished) {
    xcb_generic_event_t* event = xcb_poll_for_event(x);
    if (!event) {
      if (xcb_connection_has_error(x)) break;
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0) break;
      if (waitpid(pid, nullptr, WNOHANG) == pid) {
        std::fprintf(stderr, "startup_probe: %s ended before its windows were painted\n",
                     command[0]);
        return 1;
      }
      // Wake up now and then only to notice a program that dies without a window.
      poll(&fd, 1, static_cast<int>(std::min<long long>(left, 100)));
      continue;
    }
    const uint8_t type = event->response_type & 0x7f;
    if (type == XCB_CREATE_NOTIFY) {
      const auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event);
      seen[e->window];
      const xcb_damage_damage_t id = xcb_generate_id(x);
      xcb_damage_create(x, id, e->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
      xcb_flush(x);
    } else if (type == XCB_MAP_NOTIFY) {
      const auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event);
      if (auto it = seen.find(e->window); it != seen.end()) it->second.mapped = true;
    } else if (type == XCB_DESTROY_NOTIFY) {
      seen.erase(reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window);
    } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
      const auto* e = reinterpret_cast<xcb_damage_notify_event_t*>(event);
      if (auto it = seen.find(e->drawable); it != seen.end() && it->second.mapped)
        it->second.painted = true;
    }
    free(event);
    if (done()) {
      end = Clock::now();
      finished = true;
    }
  }

  const long hwm = finished ? PeakResidentKib(pid) : -1;
  Stop(pid);
  xcb_disconnect(x);
  if (!finished) {
    std::fprintf(stderr, "startup_probe: %s did not paint %d window(s) in %d ms\n", command[0],
                 windows_wanted, timeout_ms);
    return 1;
  }
  std::printf("ms=%.3f hwm_kb=%ld\n",
              std::chrono::duration<double, std::milli>(end - start).count(), hwm);
  return 0;
}

}  // namespace
}  // namespace tovimel

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s WINDOWS TIMEOUT_MS PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  return tovimel::Run(std::atoi(argv[1]), std::atoi(argv[2]), argv + 3);
}
