#pragma once

#include <cstdint>
#include <optional>

#include "core/effect_library.h"
#include "display/strip_variant.h"
#include "os/geometry.h"
#include "toolkit/control_array.h"
#include "toolkit/form.h"
#include "toolkit/picture_box.h"
#include "toolkit/timer.h"

namespace corvane {

// The full-screen display, caption "Corvane_Main": a picture of the desktop as it was when the
// saver started, with a strip of it rendered as polished metal sweeping back and forth, and the
// background music. The first key press or click ends the program.
//
// Display shows the frame; Master(0) keeps the capture, Master(2) receives the strip's columns of
// it and Master(1) their metallic rendering. Those three work surfaces are never shown.
class Corvane_S final : public platform::Form {
 public:
  // Draws its variants from the local clock and its own generator.
  Corvane_S();
  // Draws them from these, which must outlive the form.
  Corvane_S(TimeOfDay& clock, RandomNumbers& random);
  ~Corvane_S() override;

  // Makes the form draw inside the window a saver host made for it instead of over the whole
  // screen: at that window's size, over the desktop picture the host left on it, without taking
  // input or hiding the cursor, and ended by the host alone. Call before Load.
  void HostIn(platform::HWND host);

  platform::PictureBox Display{this};
  platform::ControlArray<platform::PictureBox> Master;
  // Each second: the MP3 file starts over once it has ended.
  platform::Timer Timer1{this, 1000};
  // Every 200 ms: the CD poll, which may switch this timer off for good.
  platform::Timer Timer2{this, 200};
  // The animation tick, as often as the platform delivers ticks.
  platform::Timer Timer3{this, 1};

  // The animation: the phase handed to the effect, the strip's left edge on the display in pixels,
  // the metal (1 to 3), and the direction (kStripTrue while it moves to the right).
  std::int16_t StripPhase = 0;
  std::int16_t StripLeft = 0;
  std::int16_t StripVariant = 1;
  std::int16_t StripForward = -1;

  void Form_Load();
  void Form_KeyDown(int key_code, int shift);
  void Display_Click();
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  // Stops the music, gives the pointer back in full-screen mode, unloads the form and ends the
  // program with status 0. Runs once: later calls while the program ends do nothing.
  void EndScreenSaver();

 private:
  void LoadEffectLibrary();
  // Puts the form in the host's window at its size and copies the host's desktop picture; false
  // when the host's window is gone.
  bool EnterHost();
  // Sizes the form over the whole screen and captures the desktop.
  void CoverScreen();
  // Sizes the form, and Display over it, to this many pixels at the top-left of its container.
  void SizeTo(platform::Size pixels);
  void StartMusic();
  // Copies the capture's columns under the strip at left into the raw strip.
  void CopyCaptureUnderStrip(int left);
  // Puts the processed strip on the display over the capture, unless the effect drew it there
  // already, and shows what changed.
  void ComposeChangedArea(bool strip_drawn);
  // Where the strips' images lie on the display this tick, in part or wholly off it.
  platform::Rect StripRect() const;
  // That, clipped to the display: where the processed strip lands.
  platform::Rect StripArea() const;

  LocalTimeOfDay local_clock_;
  SeededRandomNumbers own_random_;
  TimeOfDay& clock_;
  RandomNumbers& random_;
  std::optional<platform::EffectLibrary> effect_;
  std::optional<platform::HWND> host_;
  // Where the previous tick drew the strip; nothing before the first tick.
  std::optional<platform::Rect> drawn_strip_;
  // The strip's place when it was last drawn in place, while the raw strip's own image has not
  // caught up with it.
  std::optional<int> raw_missed_left_;
  bool ending_ = false;
};

}  // namespace corvane
