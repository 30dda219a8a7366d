#include "SettingsBlocks.h"

#include "BuildSettings.h"
#include "DisplayValues.h"
#include "runtime/Settings.h"

namespace blocks {

namespace {

using namespace fw::settings;

constexpr std::int64_t kNoIndex = -2147483648LL;  // -2^31: the control is not in an array
constexpr fw::FontUnits kDefaultUnits = fw::FontUnits::Default;

}  // namespace

// One entry a line, in the order the block stores them.
// clang-format off
const std::string& Window() {
  static const std::string block = Block({
      Integer("Width", 600),
      Integer("Height", 250),
      Integer("MinWidth", 64),
      Integer("MinHeight", 64),
      Integer("MaxWidth", 32000),
      Integer("MaxHeight", 32000),
      Integer("Frame", 0),
      String("Title", display::kTitle),
      Boolean("CloseButton", false),
      Boolean("Resizeable", false),
      Boolean("MaximizeButton", false),
      Boolean("MinimizeButton", true),
      Boolean("FullScreenButton", false),
      Boolean("Composite", true),
      Integer("MacProcID", 0),
      Integer("Placement", 0),
      Boolean("Visible", true),
      Boolean("LiveResize", true),
      Boolean("FullScreen", false),
      Boolean("HasBackColor", true),
      Color("BackColor", display::kBackground),
      Boolean("MenuBarVisible", true),
  });
  return block;
}

const std::string& skt_TestOnlineSocket() {
  static const std::string block = Block({
      String("Address", kStreamHost),
      Integer("Port", 8000),
  });
  return block;
}

const std::string& tmr_LiveCheckTimer() {
  static const std::string block = Block({
      Integer("Mode", 0),
      Integer("Period", display::kCheckPeriodMs),
  });
  return block;
}

const std::string& rct_OnAirLight() {
  static const std::string block = Block({
      String("Name", "rct_OnAirLight"),
      Integer("Index", kNoIndex),
      Integer("Left", 441),
      Integer("Top", 20),
      Integer("Width", 139),
      Integer("Height", 50),
      Boolean("LockLeft", false),
      Boolean("LockTop", true),
      Boolean("LockRight", true),
      Boolean("LockBottom", false),
      Integer("TabIndex", 3),
      Integer("TabPanelIndex", 0),
      Boolean("Visible", true),
      String("HelpTag", ""),
      Boolean("AutoDeactivate", true),
      Boolean("Enabled", true),
      Color("FillColor", display::kLightOff),
      Integer("BorderWidth", 1),
      Color("TopLeftColor", 0x000000),
      Color("BottomRightColor", 0x000000),
      Boolean("Transparent", false),
      String("InitialParent", ""),
  });
  return block;
}

const std::string& lbl_OnlineState() {
  static const std::string block = Block({
      String("Name", "lbl_OnlineState"),
      Integer("Index", kNoIndex),
      Integer("Left", 461),
      Integer("Top", 35),
      Integer("Width", 99),
      Integer("Height", 20),
      Boolean("LockLeft", false),
      Boolean("LockTop", true),
      Boolean("LockRight", true),
      Boolean("LockBottom", false),
      Integer("TabPanelIndex", 0),
      Integer("TabIndex", 0),
      Boolean("TabStop", true),
      String("Text", "ON AIR"),
      Integer("TextAlign", 1),
      Color("TextColor", 0x000000),
      Boolean("Multiline", false),
      Boolean("Enabled", true),
      Boolean("Visible", true),
      Boolean("Selectable", false),
      String("HelpTag", ""),
      Boolean("AutoDeactivate", true),
      Boolean("Transparent", false),
      String("TextFont", "System"),
      Single("TextSize", 0.0f),
      Units("TextUnit", kDefaultUnits),
      Boolean("Bold", true),
      Boolean("Italic", false),
      Boolean("Underline", false),
      String("DataSource", ""),
      String("DataField", ""),
      String("InitialParent", "rct_OnAirLight"),
  });
  return block;
}

const std::string& chk_StartPlaying() {
  static const std::string block = Block({
      String("Name", "chk_StartPlaying"),
      Integer("Index", kNoIndex),
      Integer("Left", 27),
      Integer("Top", 94),
      Integer("Width", 320),
      Integer("Height", 20),
      Boolean("LockLeft", true),
      Boolean("LockTop", true),
      Boolean("LockRight", false),
      Boolean("LockBottom", false),
      Integer("TabPanelIndex", 0),
      Integer("TabIndex", 4),
      Boolean("TabStop", true),
      String("Caption", "Start Playing as soon as stream comes on-air"),
      Boolean("Enabled", true),
      Boolean("Visible", true),
      String("HelpTag", ""),
      Boolean("AutoDeactivate", true),
      Boolean("Transparent", false),
      String("TextFont", "System"),
      Single("TextSize", 0.0f),
      Units("TextUnit", kDefaultUnits),
      Boolean("Bold", false),
      Boolean("Italic", false),
      Boolean("Underline", false),
      Integer("State", 0),
      Boolean("Value", false),
      String("DataSource", ""),
      String("DataField", ""),
      String("InitialParent", ""),
  });
  return block;
}

const std::string& pic_Logo() {
  static const std::string block = Block({
      String("Name", "pic_Logo"),
      Integer("Index", kNoIndex),
      Integer("Left", 27),
      Integer("Top", 20),
      Integer("Width", 237),
      Integer("Height", 37),
      Boolean("LockLeft", true),
      Boolean("LockTop", true),
      Boolean("LockRight", false),
      Boolean("LockBottom", false),
      Integer("TabPanelIndex", 0),
      Integer("TabIndex", 5),
      Boolean("TabStop", true),
      Boolean("Visible", true),
      String("HelpTag", ""),
      Boolean("AutoDeactivate", true),
      Boolean("Enabled", true),
      Boolean("UseFocusRing", true),
      Boolean("AcceptFocus", false),
      Boolean("AcceptTabs", false),
      Boolean("DoubleBuffer", false),
      Boolean("EraseBackground", true),
      Boolean("Transparent", true),
      String("InitialParent", ""),
  });
  return block;
}

const std::string& btn_Exit() {
  static const std::string block = Block({
      String("Name", "btn_Exit"),
      Integer("Index", kNoIndex),
      Integer("Left", 500),
      Integer("Top", 210),
      Integer("Width", 80),
      Integer("Height", 20),
      Boolean("LockLeft", false),
      Boolean("LockTop", false),
      Boolean("LockRight", true),
      Boolean("LockBottom", true),
      Integer("TabPanelIndex", 0),
      Integer("TabIndex", 6),
      Boolean("TabStop", true),
      String("Caption", "Exit"),
      Boolean("Default", false),
      Boolean("Cancel", false),
      Boolean("Enabled", true),
      Boolean("Visible", true),
      String("HelpTag", ""),
      Boolean("AutoDeactivate", true),
      Integer("ButtonStyle", 0),
      Boolean("Transparent", false),
      String("TextFont", "System"),
      Single("TextSize", 0.0f),
      Units("TextUnit", kDefaultUnits),
      Boolean("Bold", false),
      Boolean("Italic", false),
      Boolean("Underline", false),
      String("InitialParent", ""),
  });
  return block;
}

const std::string& lbl_Heading() {
  static const std::string block = Block({
      String("Name", "lbl_Heading"),
      Integer("Index", kNoIndex),
      Integer("Left", 27),
      Integer("Top", 55),
      Integer("Width", 268),
      Integer("Height", 20),
      Boolean("LockLeft", true),
      Boolean("LockTop", true),
      Boolean("LockRight", false),
      Boolean("LockBottom", false),
      Integer("TabPanelIndex", 0),
      Integer("TabIndex", 7),
      Boolean("TabStop", true),
      String("Text", "Tembrel"),
      Integer("TextAlign", 0),
      Color("TextColor", 0xE2E2E2),
      Boolean("Multiline", false),
      Boolean("Enabled", true),
      Boolean("Visible", true),
      Boolean("Selectable", false),
      String("HelpTag", ""),
      Boolean("AutoDeactivate", true),
      Boolean("Transparent", false),
      String("TextFont", "System"),
      Single("TextSize", 18.0f),
      Units("TextUnit", kDefaultUnits),
      Boolean("Bold", false),
      Boolean("Italic", false),
      Boolean("Underline", false),
      String("DataSource", ""),
      String("DataField", ""),
      String("InitialParent", ""),
  });
  return block;
}

const std::string& btn_Open() {
  static const std::string block = Block({
      Boolean("Transparent", false),
      String("Name", "btn_Open"),
      Integer("Index", kNoIndex),
      Integer("Left", 27),
      Integer("Top", 210),
      Integer("Width", 120),
      Integer("Height", 20),
      Boolean("LockLeft", true),
      Boolean("LockTop", false),
      Boolean("LockRight", false),
      Boolean("LockBottom", true),
      Integer("TabPanelIndex", 0),
      Integer("TabIndex", 8),
      Boolean("TabStop", true),
      String("InitialParent", ""),
      Boolean("Visible", true),
      String("HelpTag", ""),
      Boolean("AutoDeactivate", true),
      Boolean("Enabled", true),
      String("Caption", "Open"),
      Integer("CaptionAlign", 3),
      Integer("CaptionPlacement", 1),
      Integer("CaptionDelta", 0),
      Integer("IconAlign", 0),
      Integer("IconDX", 0),
      Integer("IconDY", 0),
      Integer("Bevel", 0),
      Integer("HasMenu", 1),
      Boolean("HasBackColor", false),
      Color("BackColor", 0x000000),
      Color("TextColor", 0x000000),
      Boolean("Value", false),
      Integer("MenuValue", 0),
      Integer("ButtonType", 0),
      Boolean("AcceptFocus", true),
      String("TextFont", "System"),
      Single("TextSize", 0.0f),
      Units("TextUnit", kDefaultUnits),
      Boolean("Bold", false),
      Boolean("Italic", false),
      Boolean("Underline", false),
  });
  return block;
}

const std::string& htm_AudioPlayer() {
  static const std::string block = Block({
      String("Name", "htm_AudioPlayer"),
      Integer("Index", kNoIndex),
      Integer("Left", 27),
      Integer("Top", 116),
      Integer("Width", 553),
      Integer("Height", 74),
      Boolean("LockLeft", true),
      Boolean("LockTop", true),
      Boolean("LockRight", false),
      Boolean("LockBottom", false),
      Integer("TabPanelIndex", 0),
      Integer("TabIndex", 9),
      Boolean("TabStop", true),
      Boolean("Visible", false),
      String("HelpTag", ""),
      Boolean("AutoDeactivate", true),
      Boolean("Enabled", true),
      Integer("Renderer", 0),
  });
  return block;
}

// clang-format on

}  // namespace blocks
