#pragma once

#include <array>
#include <string>

#include "controls/command/command.h"
#include "controls/frame/gfx_frame_x.h"
#include "core/settings.h"
#include "toolkit/combo/combo_box.h"
#include "toolkit/control_array.h"
#include "toolkit/form.h"
#include "toolkit/image_control.h"
#include "toolkit/label.h"
#include "toolkit/picture_box.h"

namespace corvane {

// The settings dialog: a borderless 450 x 319 window skinned by its background picture, with the
// music kind as three option rows, the CD track to repeat in a combo box, the music file picked
// through the desktop's file chooser, a link to the project's page, and OK and Cancel. It opens
// and closes with the caption zoom, and writes the settings file on OK only.
class Corvane_P final : public platform::Form, public SettingsDialogView {
 public:
  Corvane_P();
  ~Corvane_P() override;

  std::string RepeatTrackText() const override;
  void Unload() override { platform::Form::Unload(); }

  // The controls in the dialog's control order; positions are pixels in their containers.
  platform::PictureBox Pic_C{this};
  controls::GFXFrameX GFXFrameX4{&Pic_C, "GFXFrameX4"};
  platform::ImageControl Image1{&GFXFrameX4};
  controls::GFXFrameX GFXFrameX3{&Pic_C, "GFXFrameX3"};
  platform::PictureBox Picture1{&GFXFrameX3};
  controls::GFXFrameX GFXFrameX1{&Pic_C, "GFXFrameX1"};
  controls::GFXFrameX GFXFrameX2{&GFXFrameX1, "GFXFrameX2"};
  platform::ControlArray<platform::Label> lbl;
  platform::ControlArray<platform::ImageControl> Img_BGM;
  platform::ControlArray<platform::Label> lbl_BGM;
  platform::ComboBox BGM_Repeat{&GFXFrameX1};
  controls::Command Cmd_BGM{&GFXFrameX1, "Cmd_BGM"};
  platform::Label lbl_Fname{&GFXFrameX1};
  platform::Label lbl_URL{&Pic_C};
  controls::Command Cmd_Set{&Pic_C, "Cmd_Set"};
  controls::Command Cmd_Can{&Pic_C, "Cmd_Can"};
  // The two option marks, not selected (0) and selected (1): picture sources only.
  std::array<gfx::Surface, 2> Img_Ra;

 private:
  void Form_Load();
  void Form_Unload();
  void Form_KeyDown(int key_code);
  void SelectKind(int kind);
  void ShowKindMarks();
  void Cmd_BGM_Click();
  void Cmd_Set_Click();
  void Cmd_Can_Click();
  void lbl_URL_MouseUp();
};

}  // namespace corvane
