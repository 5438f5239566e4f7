#include "settings/corvane_p.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <span>
#include <string_view>

#include "controls/command/dialog_commands.h"
#include "core/path_util.h"
#include "core/shared_state.h"
#include "core/zoom.h"
#include "os/cursor.h"
#include "os/image_decode.h"
#include "os/service.h"
#include "resources/cursor_file.h"
#include "resources/dialog_pictures.h"
#include "settings/dialog_frames.h"
#include "settings/home_page.h"
#include "winapi/comdlg32.h"
#include "winapi/gdi32.h"
#include "winapi/shell32.h"
#include "winapi/user32.h"

namespace corvane {

namespace {

using platform::Rect;

constexpr const char* kCaption = "<Corvane>";
constexpr int kWidth = 450;
constexpr int kHeight = 319;

const gfx::FontSpec& CaptionFont() { return controls::kDialogCaptionFont; }

gfx::Surface Decode(std::span<const unsigned char> bytes) {
  gfx::ImageResult picture =
      gfx::DecodeImage(std::span<const std::uint8_t>(bytes.data(), bytes.size()));
  return picture ? std::move(picture.surface()) : gfx::Surface();
}

// The pattern "##": the number's digits, nothing for 0.
std::string TwoHashes(int number) { return number == 0 ? std::string() : std::to_string(number); }

void SetScreenPointer(int code) {
  platform::Service<platform::CursorService>::Get().SetScreenPointer(code);
}

// The label's boxes were laid out for a font narrower than the gothic the system has: a one-line
// caption that would be cut is given the width it needs, to the right.
void FitCaption(platform::Label& label) {
  const Rect bounds = label.bounds();
  const int needed = label.NaturalWidth();
  if (needed > bounds.Width()) {
    label.SetBounds(Rect{bounds.left, bounds.top, bounds.left + needed, bounds.bottom});
  }
}

// The stored instances of the dialog's hosted controls: the frames' entries and the buttons'.
std::vector<platform::StoredInstance> DialogInstances() {
  std::vector<platform::StoredInstance> stored;
  for (const settings::StoredFrame& frame : settings::DialogFrames()) {
    stored.push_back({std::string(frame.name), frame.properties});
  }
  for (const controls::StoredCommand& command : controls::kDialogCommands) {
    stored.push_back({command.name, platform::PropertyBag({
                                        {"_extentx", std::int32_t{command.extent_x}},
                                        {"_extenty", std::int32_t{command.extent_y}},
                                        {"Caption", command.caption},
                                        {"Font", command.font},
                                    })});
  }
  return stored;
}

}  // namespace

Corvane_P::Corvane_P() : Form(kCaption, platform::BorderStyle::kNone) {
  SetScaleMode(platform::ScaleMode::kPixels);
  Pic_C.SetBounds(Rect{0, 0, kWidth, kHeight});
  Pic_C.SetPicture(Decode(DialogBackgroundJpeg()));
  for (const settings::StoredFrame& frame : settings::DialogFrames()) {
    for (controls::GFXFrameX* control : {&GFXFrameX4, &GFXFrameX3, &GFXFrameX1, &GFXFrameX2}) {
      if (control->Name() == frame.name) control->SetBounds(frame.bounds);
    }
  }
  Image1.SetBounds(Rect{0, 0, 38, 38});
  Image1.SetStretch(true);
  Image1.SetPicture(Decode(ProgramIconGif()));
  Picture1.SetBounds(Rect{20, 8, 20 + 179, 8 + 29});
  Picture1.SetPicture(Decode(DialogTitleGif()));

  auto label = [this](platform::ControlArray<platform::Label>& array, int index,
                      platform::WindowedControl* container, Rect bounds, std::string caption) {
    platform::Label& made = array.Load(index, container);
    made.SetBounds(bounds);
    made.SetFont(CaptionFont());
    made.SetCaption(std::move(caption));
    FitCaption(made);
    return &made;
  };
  label(lbl, 0, &GFXFrameX2, Rect{0, 4, 103, 17}, "BGM")
      ->SetAlignment(platform::Alignment::kCenter);
  // The option rows, top to bottom: music CD (1), none (0), file (2); the index is the kind.
  const struct {
    int kind;
    int top;
    int label_width;
    const char* caption;
  } rows[] = {{1, 48, 43, "音楽CD"}, {0, 64, 22, "なし"}, {2, 80, 60, "MP3、WAV"}};
  for (const auto& row : rows) {
    platform::ImageControl& mark = Img_BGM.Load(row.kind, &GFXFrameX1);
    mark.SetBounds(Rect{28, row.top, 28 + 13, row.top + 13});
    mark.on_click = [this, kind = row.kind] { SelectKind(kind); };
    label(lbl_BGM, row.kind, &GFXFrameX1, Rect{44, row.top, 44 + row.label_width, row.top + 13},
          row.caption)
        ->on_click = [this, kind = row.kind] { SelectKind(kind); };
  }
  label(lbl, 1, &GFXFrameX1, Rect{136, 48, 136 + 77, 48 + 13}, "曲目をリピート");
  label(lbl, 9, &Pic_C, Rect{20, 248, 20 + 163, 248 + 13}, "Designed by Tavrel ver.1.0.0");

  BGM_Repeat.SetBounds(Rect{92, 44, 92 + 41, 44 + 20});
  BGM_Repeat.SetBackColor(gfx::Rgb(255, 255, 255));
  Cmd_BGM.SetBounds(Rect{44, 96, 44 + 25, 96 + 21});
  lbl_Fname.SetBounds(Rect{72, 96, 72 + 301, 96 + 37});
  lbl_Fname.SetFont(CaptionFont());

  gfx::FontSpec link_font = CaptionFont();
  link_font.underline = true;
  lbl_URL.SetBounds(Rect{24, 268, 24 + 219, 268 + 13});
  lbl_URL.SetFont(link_font);
  lbl_URL.SetForeColor(0x00C00000);  // Dark blue, 0x00BBGGRR.
  lbl_URL.SetCaption(kHomePage);
  FitCaption(lbl_URL);
  if (const auto hand = DecodeCursorFile(HandCursorFile())) lbl_URL.SetMouseIcon(*hand);
  lbl_URL.on_mouse_up = [this](const platform::MouseArgs&) { lbl_URL_MouseUp(); };

  Cmd_Set.SetBounds(Rect{276, 256, 276 + 65, 256 + 25});
  Cmd_Can.SetBounds(Rect{344, 256, 344 + 61, 256 + 25});
  Cmd_BGM.on_click = [this] { Cmd_BGM_Click(); };
  Cmd_Set.on_click = [this] { Cmd_Set_Click(); };
  Cmd_Can.on_click = [this] { Cmd_Can_Click(); };

  Img_Ra = {Decode(OptionMarkJpeg(false)), Decode(OptionMarkJpeg(true))};

  SetStoredInstances(DialogInstances());
  on_load = [this] { Form_Load(); };
  on_unload = [this] { Form_Unload(); };
  on_key_down = [this](int key_code, int) { Form_KeyDown(key_code); };
}

Corvane_P::~Corvane_P() { platform::Form::Unload(); }

std::string Corvane_P::RepeatTrackText() const { return BGM_Repeat.Text(); }

// Each step stands alone: one that cannot be carried out is skipped and the next one runs.
void Corvane_P::Form_Load() {
  using namespace platform;
  // The dialog takes exactly the background's size, centred across the screen and a third of the
  // way down.
  const float tx = TwipsPerPixelX();
  const float ty = TwipsPerPixelY();
  const Size screen = ScreenSizePixels();
  const int left = (screen.width - kWidth) / 2;
  const int top = (screen.height - kHeight) / 3;
  Move(left * static_cast<double>(tx), top * static_cast<double>(ty),
       kWidth * static_cast<double>(tx), kHeight * static_cast<double>(ty));

  // The buttons start their state machines and leave polls, in control order.
  for (Control* control : Controls()) {
    if (auto* command = dynamic_cast<controls::Command*>(control)) command->Initialize();
  }
  // The background shows, with the labels on it.
  Pic_C.Refresh();
  // The option marks and the controls that go with the stored kind are set as choosing it would.
  SelectKind(BGM_Kind);
  // The track box takes its text first, then its list: empty, then "1" to "30".
  BGM_Repeat.SetText(TwoHashes(BGM_RepeatTrack));
  for (int track = 0; track <= 30; ++track) BGM_Repeat.AddItem(TwoHashes(track));
  // The stored music file, or nothing when there is none or it has gone.
  lbl_Fname.SetCaption(BGM_File);
  // The frames on the picture take its colour, so their corners and shadows blend into it.
  const gfx::ColorRef colour = GetPixel(Pic_C.hDC(), 100, 100);
  if (colour != gfx::kInvalidColor) {
    for (controls::GFXFrameX* frame : {&GFXFrameX1, &GFXFrameX3, &GFXFrameX4}) {
      frame->SetBackColour(colour);
    }
  }
  // The dialog opens with a zoom that grows out of the pointer, or out of the screen's corner when
  // the pointer cannot be found.
  Point pointer;
  if (GetCursorPos(&pointer) != 0) {
    Zoom_X = static_cast<std::int16_t>(pointer.x);
    Zoom_Y = static_cast<std::int16_t>(pointer.y);
  } else {
    Zoom_X = 0;
    Zoom_Y = 0;
  }
  ZoomOpen(hWnd());
  // Every control shows its own pointer again, whatever the screen-wide pointer was.
  SetScreenPointer(CursorService::kScreenPointerDefault);
}

// The buttons take no keys of their own, so the dialog answers the keys a user tries on any
// dialog: Escape cancels, Enter presses the button with the focus (OK when the focus is in the
// track box), and the arrow keys move the choice between the option rows, which Tab passes by.
void Corvane_P::Form_KeyDown(int key_code) {
  const platform::Control* focus = ActiveControl();
  switch (key_code) {
    case platform::kVkEscape:
      Cmd_Can_Click();
      break;
    case platform::kVkReturn:
      if (focus == &Cmd_Can) {
        Cmd_Can_Click();
      } else if (focus == &Cmd_BGM && Cmd_BGM.Enabled()) {
        Cmd_BGM_Click();
      } else {
        Cmd_Set_Click();
      }
      break;
    case platform::kVkUp:
    case platform::kVkDown: {
      // The rows from the top: music CD, none, file. A kind without a row moves to the first.
      static constexpr int kRowKinds[] = {1, 0, 2};
      constexpr int kLastRow = static_cast<int>(std::size(kRowKinds)) - 1;
      const int* row = std::ranges::find(kRowKinds, static_cast<int>(BGM_Kind));
      const int at = static_cast<int>(row - std::begin(kRowKinds));
      const int step = key_code == platform::kVkUp ? -1 : 1;
      const int to = row == std::end(kRowKinds) ? 0 : std::clamp(at + step, 0, kLastRow);
      SelectKind(kRowKinds[to]);
      break;
    }
    default:
      break;
  }
}

// However the dialog closes, it shrinks back into the point it grew out of.
void Corvane_P::Form_Unload() { ZoomClose(hWnd()); }

void Corvane_P::SelectKind(int kind) {
  BGM_Kind = static_cast<std::int16_t>(kind);
  Cmd_BGM.SetEnabled(false);
  BGM_Repeat.SetEnabled(false);
  ShowKindMarks();
  if (BGM_Kind == 1) BGM_Repeat.SetEnabled(true);
  if (BGM_Kind == 2) Cmd_BGM.SetEnabled(true);
}

void Corvane_P::ShowKindMarks() {
  for (int kind : {0, 1, 2}) Img_BGM(kind).SetPicture(Img_Ra[0]);
  // A kind without a row (a settings file may hold any number) marks none.
  if (platform::ImageControl* chosen = Img_BGM.Find(BGM_Kind)) chosen->SetPicture(Img_Ra[1]);
}

void Corvane_P::Cmd_BGM_Click() {
  // A path of 255 bytes or more does not fit the buffer with its NUL: the chooser reports that as
  // a failure, and nothing changes.
  char file[255] = {};
  static constexpr char kFilter[] = "BGMﾌｧｲﾙ (MP3 WAV)\0*.MP3;*.WAV\0";
  platform::OPENFILENAMEA request;
  request.hwndOwner = hWnd();
  request.lpstrFilter = kFilter;
  request.lpstrFile = file;
  request.nMaxFile = sizeof(file);
  request.lpstrInitialDir = BGM_Folder.c_str();
  request.lpstrTitle = "ﾌｧｲﾙを開く";
  // Like any modal window of the dialog's own, the chooser leaves the dialog deaf to input until it
  // has closed: an OK pressed meanwhile would save before the choice is known.
  SetEnabled(false);
  API_Result = platform::GetOpenFileNameA(&request);
  SetEnabled(true);
  if (API_Result > 0) {
    BGM_File = std::string(file);
    lbl_Fname.SetCaption(BGM_File);
    BGM_Folder = GetFolder(BGM_File);
  }
}

void Corvane_P::Cmd_Set_Click() { SaveSettings(*this); }

void Corvane_P::Cmd_Can_Click() { platform::Form::Unload(); }

void Corvane_P::lbl_URL_MouseUp() {
  SetScreenPointer(platform::CursorService::kScreenPointerHourglass);
  platform::ShellExecuteA(hWnd(), "open", kHomePage, "", "", platform::kSwShowNormal);
  SetScreenPointer(platform::CursorService::kScreenPointerDefault);
}

}  // namespace corvane
