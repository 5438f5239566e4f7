#include "platform/desktop/portal_chooser.h"

#include <systemd/sd-bus.h>

#include <cstdio>
#include <string>

#include "platform/desktop/chooser_text.h"

namespace corvane::platform {

namespace {
constexpr char kPortal[] = "org.freedesktop.portal.Desktop";
constexpr char kPortalPath[] = "/org/freedesktop/portal/desktop";
constexpr char kRequest[] = "org.freedesktop.portal.Request";
// Each request opens its own connection, whose unique name makes the request path unique.
constexpr char kToken[] = "corvane";
// sd-bus ends overdue method calls when it is given the chance; this gives it one now and then.
constexpr std::uint32_t kTimeoutCheckMs = 1000;

// Where the portal will put the request: the unique name without ':' and with '.' as '_'.
std::string RequestPath(std::string_view unique_name) {
  std::string path = std::string(kPortalPath) + "/request/";
  for (const char c : unique_name.substr(unique_name.starts_with(':') ? 1 : 0)) {
    path += c == '.' ? '_' : c;
  }
  return path + "/" + kToken;
}

// One filter, (name, [(0 = glob, pattern)]), its globs made to match in any letter case.
bool AppendFilter(sd_bus_message* m, const FileChooserRequest& request) {
  bool ok = sd_bus_message_open_container(m, 'r', "sa(us)") >= 0 &&
            sd_bus_message_append(m, "s", request.filter_name.c_str()) >= 0 &&
            sd_bus_message_open_container(m, 'a', "(us)") >= 0;
  for (const std::string& pattern : request.patterns) {
    ok = ok && sd_bus_message_append(m, "(us)", 0u, AnyCaseGlob(pattern).c_str()) >= 0;
  }
  return ok && sd_bus_message_close_container(m) >= 0 && sd_bus_message_close_container(m) >= 0;
}

bool AppendOptions(sd_bus_message* m, const FileChooserRequest& request) {
  bool ok = sd_bus_message_open_container(m, 'a', "{sv}") >= 0 &&
            sd_bus_message_append(m, "{sv}", "handle_token", "s", kToken) >= 0 &&
            sd_bus_message_append(m, "{sv}", "modal", "b", 1) >= 0;
  if (!request.patterns.empty()) {
    ok = ok && sd_bus_message_open_container(m, 'e', "sv") >= 0 &&
         sd_bus_message_append(m, "s", "filters") >= 0 &&
         sd_bus_message_open_container(m, 'v', "a(sa(us))") >= 0 &&
         sd_bus_message_open_container(m, 'a', "(sa(us))") >= 0 && AppendFilter(m, request) &&
         sd_bus_message_close_container(m) >= 0 && sd_bus_message_close_container(m) >= 0 &&
         sd_bus_message_close_container(m) >= 0;
    ok = ok && sd_bus_message_open_container(m, 'e', "sv") >= 0 &&
         sd_bus_message_append(m, "s", "current_filter") >= 0 &&
         sd_bus_message_open_container(m, 'v', "(sa(us))") >= 0 && AppendFilter(m, request) &&
         sd_bus_message_close_container(m) >= 0 && sd_bus_message_close_container(m) >= 0;
  }
  if (!request.folder.empty()) {
    // Portals older than the option ignore it; the path goes with its NUL, as the portal wants.
    ok = ok && sd_bus_message_open_container(m, 'e', "sv") >= 0 &&
         sd_bus_message_append(m, "s", "current_folder") >= 0 &&
         sd_bus_message_open_container(m, 'v', "ay") >= 0 &&
         sd_bus_message_append_array(m, 'y', request.folder.c_str(), request.folder.size() + 1) >=
             0 &&
         sd_bus_message_close_container(m) >= 0 && sd_bus_message_close_container(m) >= 0;
  }
  return ok && sd_bus_message_close_container(m) >= 0;
}

// The first of the "uris" in a Response's results, as a local path.
std::optional<std::string> ChosenPath(sd_bus_message* m) {
  if (sd_bus_message_enter_container(m, 'a', "{sv}") < 0) return std::nullopt;
  while (sd_bus_message_enter_container(m, 'e', "sv") > 0) {
    const char* key = nullptr;
    if (sd_bus_message_read(m, "s", &key) < 0) return std::nullopt;
    if (std::string_view(key) != "uris") {
      if (sd_bus_message_skip(m, "v") < 0 || sd_bus_message_exit_container(m) < 0) {
        return std::nullopt;
      }
      continue;
    }
    const char* uri = nullptr;
    if (sd_bus_message_enter_container(m, 'v', "as") < 0 ||
        sd_bus_message_enter_container(m, 'a', "s") < 0 || sd_bus_message_read(m, "s", &uri) <= 0) {
      return std::nullopt;
    }
    return PathFromFileUri(uri);
  }
  return std::nullopt;
}

class PortalChooser final : public ChooserBackend {
 public:
  explicit PortalChooser(PosixEventLoop& loop) : loop_(loop) {}
  ~PortalChooser() override { Stop(); }

  void Start(const FileChooserRequest& request, Done done) override {
    Stop();
    done_ = std::move(done);
    const char* unique_name = nullptr;
    if (sd_bus_open_user(&bus_) < 0 || sd_bus_get_unique_name(bus_, &unique_name) < 0 ||
        !Subscribe(RequestPath(unique_name)) || !Call(request)) {
      Finish(ChooserOutcome{false, std::nullopt});
      return;
    }
    watch_ = loop_.WatchFd(sd_bus_get_fd(bus_), [this] { Process(); });
    timer_ = loop_.StartTimer(kTimeoutCheckMs, [this] { Process(); });
    // Messages sd-bus has already read make the descriptor look idle; serve them now.
    loop_.Post([this, bus = bus_] {
      if (bus_ == bus) Process();
    });
  }

  void Stop() override {
    if (bus_ == nullptr) return;
    if (done_ && replied_) {
      // The user's chooser is still open: ask the portal to close it.
      sd_bus_call_method_async(bus_, nullptr, kPortal, handle_.c_str(), kRequest, "Close", nullptr,
                               nullptr, "");
    }
    done_ = nullptr;
    replied_ = false;
    loop_.StopWatch(watch_);
    loop_.StopTimer(timer_);
    watch_ = 0;
    timer_ = 0;
    match_ = sd_bus_slot_unref(match_);
    call_ = sd_bus_slot_unref(call_);
    bus_ = sd_bus_flush_close_unref(bus_);
  }

 private:
  bool Subscribe(const std::string& handle) {
    handle_ = handle;
    match_ = sd_bus_slot_unref(match_);
    return sd_bus_match_signal(bus_, &match_, nullptr, handle_.c_str(), kRequest, "Response",
                               OnResponse, this) >= 0;
  }

  bool Call(const FileChooserRequest& request) {
    sd_bus_message* m = nullptr;
    char parent[32] = "";
    if (request.parent != 0) std::snprintf(parent, sizeof parent, "x11:%x", request.parent);
    bool ok =
        sd_bus_message_new_method_call(bus_, &m, kPortal, kPortalPath,
                                       "org.freedesktop.portal.FileChooser", "OpenFile") >= 0 &&
        sd_bus_message_append(m, "ss", parent, request.title.c_str()) >= 0 &&
        AppendOptions(m, request) && sd_bus_call_async(bus_, &call_, m, OnReply, this, 0) >= 0;
    sd_bus_message_unref(m);
    return ok && sd_bus_flush(bus_) >= 0;
  }

  void Process() {
    int result = 0;
    while (bus_ != nullptr && (result = sd_bus_process(bus_, nullptr)) > 0) {
    }
    // A connection lost before the portal took the request: try the next way of choosing.
    if (result < 0) Finish(ChooserOutcome{!replied_, std::nullopt});
  }

  void Finish(const ChooserOutcome& outcome) {
    if (!done_) return;
    const Done done = std::move(done_);
    done_ = nullptr;
    done(outcome);
  }

  // The portal took the request (or there is none: a method error). Old portals put the
  // request elsewhere than asked, and say where.
  static int OnReply(sd_bus_message* reply, void* self, sd_bus_error*) {
    auto* chooser = static_cast<PortalChooser*>(self);
    const char* handle = nullptr;
    if (sd_bus_message_is_method_error(reply, nullptr) ||
        sd_bus_message_read(reply, "o", &handle) < 0) {
      chooser->Finish(ChooserOutcome{false, std::nullopt});
      return 0;
    }
    chooser->replied_ = true;
    if (chooser->handle_ != handle && !chooser->Subscribe(handle)) {
      chooser->Finish(ChooserOutcome{true, std::nullopt});
    }
    return 0;
  }

  // Response(u code, a{sv} results): 0 chosen, 1 cancelled, 2 ended otherwise.
  static int OnResponse(sd_bus_message* signal, void* self, sd_bus_error*) {
    auto* chooser = static_cast<PortalChooser*>(self);
    std::uint32_t code = 2;
    sd_bus_message_read(signal, "u", &code);
    chooser->Finish(ChooserOutcome{true, code == 0 ? ChosenPath(signal) : std::nullopt});
    return 0;
  }

  PosixEventLoop& loop_;
  sd_bus* bus_ = nullptr;
  sd_bus_slot* call_ = nullptr;
  sd_bus_slot* match_ = nullptr;
  WatchId watch_ = 0;
  TimerId timer_ = 0;
  std::string handle_;
  bool replied_ = false;
  Done done_;
};
}  // namespace

std::unique_ptr<ChooserBackend> MakePortalChooser(PosixEventLoop& loop) {
  return std::make_unique<PortalChooser>(loop);
}

}  // namespace corvane::platform
