#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/shared_state.h"
#include "display/corvane_s.h"
#include "music/cd_player.h"
#include "platform/capture.h"
#include "platform/fake/fake_cursor_service.h"
#include "platform/fake/fake_dynamic_libraries.h"
#include "platform/fake/fake_event_loop.h"
#include "platform/fake/fake_media_service.h"
#include "platform/fake/fake_power_service.h"
#include "platform/fake/fake_runtime.h"
#include "platform/fake/fake_window_service.h"
#include "platform/gfx/device_context.h"
#include "platform/service.h"

// Corvane_S on fake services that write one journal together, so that a test sees the order in
// which the form captured, played, showed, raised, started timers and ended.
namespace corvane::display_test {

using Journal = std::vector<std::string>;

// The event loop, journaling timers by their interval, and the end of the program.
class JournalLoop final : public platform::EventLoop {
 public:
  JournalLoop(platform::fake::FakeEventLoop& fake, Journal& journal)
      : fake_(fake), journal_(journal) {}

  platform::TimerId StartTimer(std::uint32_t interval_ms, std::function<void()> on_tick) override {
    const platform::TimerId id = fake_.StartTimer(interval_ms, std::move(on_tick));
    intervals_[id] = interval_ms;
    journal_.push_back("start " + std::to_string(interval_ms));
    return id;
  }
  void StopTimer(platform::TimerId id) override {
    journal_.push_back("stop " + std::to_string(intervals_[id]));
    fake_.StopTimer(id);
  }
  void Post(std::function<void()> message) override { fake_.Post(std::move(message)); }
  platform::WatchId WatchFd(int fd, std::function<void()> on_ready) override {
    return fake_.WatchFd(fd, std::move(on_ready));
  }
  void StopWatch(platform::WatchId id) override { fake_.StopWatch(id); }
  void WatchChild(int pid, std::function<void(int)> on_exit) override {
    fake_.WatchChild(pid, std::move(on_exit));
  }
  bool RunUntil(const std::function<bool()>& done) override { return fake_.RunUntil(done); }
  void Quit(int exit_code) override {
    if (!fake_.Quitting()) journal_.push_back("quit " + std::to_string(exit_code));
    fake_.Quit(exit_code);
  }
  bool Quitting() const override { return fake_.Quitting(); }
  int ExitCode() const override { return fake_.ExitCode(); }
  void SetEndRequestHandler(std::function<void()> handler) override {
    fake_.SetEndRequestHandler(std::move(handler));
  }
  std::int64_t NowMs() const override { return fake_.NowMs(); }

 private:
  platform::fake::FakeEventLoop& fake_;
  Journal& journal_;
  std::map<platform::TimerId, std::uint32_t> intervals_;
};

// Command strings and wave calls, journaled as they are sent.
class JournalMedia final : public platform::FakeMediaService {
 public:
  explicit JournalMedia(Journal& journal) : journal_(journal) {}
  platform::MCIERROR SendCommand(std::string_view command, std::string& answer) override {
    journal_.push_back("mci " + std::string(command));
    return FakeMediaService::SendCommand(command, answer);
  }
  bool PlaySound(const char* name, std::uint32_t flags) override {
    journal_.push_back(name == nullptr ? "wave stop"
                                       : "wave " + std::string(name) + " " + std::to_string(flags));
    return FakeMediaService::PlaySound(name, flags);
  }

 private:
  Journal& journal_;
};

// A screen of the test's pixels, or one that cannot be read.
class JournalCapture final : public platform::CaptureService {
 public:
  explicit JournalCapture(Journal& journal) : journal_(journal) {}
  bool CaptureScreen(const platform::Rect& source, gfx::Surface& destination, int dst_x,
                     int dst_y) override {
    journal_.push_back("capture");
    if (fail) return false;
    for (int y = source.top; y < source.bottom; ++y) {
      for (int x = source.left; x < source.right; ++x) {
        if (destination.Contains(dst_x + x - source.left, dst_y + y - source.top)) {
          destination.Row(dst_y + y - source.top)[dst_x + x - source.left] = Pattern(x, y);
        }
      }
    }
    return true;
  }
  bool CaptureHostPicture(platform::HWND, gfx::Surface&) override { return false; }
  // Every pixel differs from its neighbours and from its inverse.
  static gfx::Pixel Pattern(int x, int y) {
    return static_cast<gfx::Pixel>((x * 7919 + y * 104729) & 0x00FFFFFF) | 0x010000;
  }
  bool fail = false;

 private:
  Journal& journal_;
};

class FixedClock final : public TimeOfDay {
 public:
  std::int32_t SecondsSinceMidnight() override { return seconds; }
  std::int32_t seconds = 45296;
};

// Hands out the numbers it was given, in turn, and remembers every seed.
class ScriptedRandom final : public RandomNumbers {
 public:
  void Randomize(std::int32_t seed) override { seeds.push_back(seed); }
  float Rnd() override {
    const float r = numbers[next % numbers.size()];
    ++next;
    return r;
  }
  std::vector<float> numbers{0.1f, 0.5f, 0.9f};
  std::size_t next = 0;
  std::vector<std::int32_t> seeds;
};

// One call of the effect as the form made it.
struct EffectCall {
  gfx::HDC destination;
  gfx::HDC source;
  std::int32_t relief;
  std::int32_t phase;
  std::int32_t variant;
};

// Stands in for the library's entry point: renders the inverse of each pixel, which no pattern
// pixel equals, and remembers how it was called.
inline std::vector<EffectCall>& EffectCalls() {
  static std::vector<EffectCall> calls;
  return calls;
}

inline std::int32_t InvertingEffect(std::uint32_t destination, std::uint32_t source,
                                    std::int32_t relief, std::int32_t phase, std::int32_t variant,
                                    std::int32_t* result) {
  EffectCalls().push_back({destination, source, relief, phase, variant});
  gfx::Surface* to = gfx::DeviceContexts::Lookup(destination);
  const gfx::Surface* from = gfx::DeviceContexts::Lookup(source);
  std::int32_t status = 1;
  if (to != nullptr && from != nullptr && to->width() == from->width() &&
      to->height() == from->height()) {
    for (int y = 0; y < to->height(); ++y) {
      for (int x = 0; x < to->width(); ++x) to->Row(y)[x] = from->Row(y)[x] ^ 0x00FFFFFF;
    }
    status = 0;
  }
  if (result != nullptr) *result = status;
  return status;
}

inline constexpr const char* kProgramFolder = "/opt/corvane";

class DisplayTest : public ::testing::Test {
 protected:
  DisplayTest() {
    BGM_Kind = 0;
    BGM_RepeatTrack = 0;
    BGM_File.clear();
    API_Result = 0;
    Cursor_HideCount.reset();
    CD_PollEnabled = 0;
    EffectCalls().clear();
    runtime_.argument_text = "/s";
    runtime_.program_folder = kProgramFolder;
    libraries_.Provide(std::string(kProgramFolder) + "/Corvane.dll",
                       {{"GPX_Metallic", reinterpret_cast<platform::FARPROC>(&InvertingEffect)}});
    SetScreen(64, 3, 96);
    // What a user would notice of the form's top-level window.
    fake_windows_.SetCallHook([this](std::string_view call, platform::HWND window) {
      if (call == "topmost" || call == "grab" || fake_windows_.Parent(window) == 0) {
        journal_.emplace_back(call);
      }
    });
  }

  void SetScreen(int width, int height, double dpi) {
    fake_windows_.SetScreen({width, height}, dpi);
  }

  // Loads the form as start-up does.
  Corvane_S& Load() {
    form_ = std::make_unique<Corvane_S>(clock_, random_);
    form_->Load();
    return *form_;
  }

  // What the display shows now, as the window system was given it.
  const gfx::Surface& Shown() { return fake_windows_.Find(form_->Display.hWnd())->presented; }

  Journal journal_;
  platform::fake::FakeEventLoop fake_loop_;
  platform::fake::FakeWindowService fake_windows_{fake_loop_};
  JournalLoop loop_{fake_loop_, journal_};
  JournalMedia media_{journal_};
  JournalCapture capture_{journal_};
  platform::fake::FakeCursorService cursor_;
  platform::fake::FakePowerService power_;
  platform::FakeDynamicLibraries libraries_;
  platform::FakeRuntime runtime_;
  FixedClock clock_;
  ScriptedRandom random_;
  platform::ScopedService<platform::EventLoop> loop_service_{loop_};
  platform::ScopedService<platform::WindowService> window_service_{fake_windows_};
  platform::ScopedService<platform::MediaService> media_service_{media_};
  platform::ScopedService<platform::CaptureService> capture_service_{capture_};
  platform::ScopedService<platform::CursorService> cursor_service_{cursor_};
  platform::ScopedService<platform::PowerService> power_service_{power_};
  platform::ScopedService<platform::DynamicLibraries> library_service_{libraries_};
  platform::ScopedService<platform::Runtime> runtime_service_{runtime_};
  std::unique_ptr<Corvane_S> form_;
};

}  // namespace corvane::display_test
