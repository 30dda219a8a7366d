#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <variant>

#include "Bytes.h"
#include "MonitorFixture.h"
#include "OwnedControls.h"
#include "SettingsBlocks.h"
#include "net/TCPSocket.h"
#include "plugins/BevelButton.h"
#include "plugins/HTMLViewer.h"
#include "runtime/Settings.h"
#include "ui/Canvas.h"
#include "ui/CheckBox.h"
#include "ui/Label.h"
#include "ui/PushButton.h"
#include "ui/Rectangle.h"
#include "ui/Timer.h"

namespace {

using tembrel::test::Bytes;

// The value bytes after `entry` (what ends the entry before, then the name and
// its blank: names such as "TabPanelIndex " end like "Index ").
std::string ValueAfter(const std::string& block, const std::string& entry, std::size_t width) {
  auto at = block.find(entry);
  if (at == std::string::npos) return "<missing>";
  return block.substr(at + entry.size(), width);
}

struct BlockRow {
  const char* control;
  const std::string& (*block)();
  const fw::ClassInfo& (*cls)();
  std::size_t entries;
};

const BlockRow kBlocks[] = {
    {"window", &blocks::Window, &win_MainWindow::Description, 22},
    {"skt_TestOnlineSocket", &blocks::skt_TestOnlineSocket, &_wrapper_skt_TestOnlineSocket::Description, 2},
    {"tmr_LiveCheckTimer", &blocks::tmr_LiveCheckTimer, &_wrapper_tmr_LiveCheckTimer::Description, 2},
    {"rct_OnAirLight", &blocks::rct_OnAirLight, &fw::Rectangle::Description, 22},
    {"lbl_OnlineState", &blocks::lbl_OnlineState, &fw::Label::Description, 32},
    {"chk_StartPlaying", &blocks::chk_StartPlaying, &fw::CheckBox::Description, 30},
    {"pic_Logo", &blocks::pic_Logo, &fw::Canvas::Description, 24},
    {"btn_Exit", &blocks::btn_Exit, &fw::PushButton::Description, 29},
    {"lbl_Heading", &blocks::lbl_Heading, &fw::Label::Description, 32},
    {"btn_Open", &blocks::btn_Open, &fw::BevelButton::Description, 41},
    {"htm_AudioPlayer", &blocks::htm_AudioPlayer, &fw::HTMLViewer::Description, 18},
};

TEST(SettingsBlocks, EachBlockDecodesAgainstItsClassWithItsEntryCount) {
  for (const BlockRow& row : kBlocks) {
    EXPECT_EQ(fw::DecodeSettings(row.block(), row.cls()).size(), row.entries) << row.control;
  }
}

template <class T>
std::string Formatted(const char* format, T value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// A decoded entry as "Name value": an Integer in decimal, a Boolean True or
// False, a String in quotes, a Color 0xRRGGBB, a Single with one decimal, the
// units as their number.
std::string Described(const fw::DecodedSetting& setting) {
  struct {
    std::string operator()(std::int64_t v) const { return std::to_string(v); }
    std::string operator()(bool v) const { return v ? "True" : "False"; }
    std::string operator()(const std::string& v) const { return "\"" + v + "\""; }
    std::string operator()(fw::Color v) const { return Formatted("0x%06X", v.rgb); }
    std::string operator()(float v) const { return Formatted("%.1f", static_cast<double>(v)); }
    std::string operator()(fw::FontUnits v) const { return std::to_string(static_cast<int>(v)); }
  } describe;
  return std::string(setting.property->name) + " " + std::visit(describe, setting.value);
}

// Every entry of every block in stored order, with the values that the window and its controls show.
TEST(SettingsBlocks, EachBlockHoldsItsEntriesInOrder) {
  const std::string expected[] = {
      // Window
      "Width 600; Height 250; MinWidth 64; MinHeight 64; MaxWidth 32000; MaxHeight 32000; "
      "Frame 0; Title \"QAX Tembrel - Waiting\"; CloseButton False; Resizeable False; "
      "MaximizeButton False; MinimizeButton True; FullScreenButton False; Composite True; "
      "MacProcId 0; Placement 0; Visible True; LiveResize True; FullScreen False; "
      "HasBackColor True; BackColor 0x6C8EFE; MenuBarVisible True",
      // skt_TestOnlineSocket
      "Address \"127.0.0.1\"; Port 8000",
      // tmr_LiveCheckTimer
      "Mode 0; Period 15000",
      // rct_OnAirLight
      "Name \"rct_OnAirLight\"; Index -2147483648; Left 441; Top 20; Width 139; Height 50; "
      "LockLeft False; LockTop True; LockRight True; LockBottom False; TabIndex 3; "
      "TabPanelIndex 0; Visible True; HelpTag \"\"; AutoDeactivate True; Enabled True; "
      "FillColor 0x360E0F; BorderWidth 1; TopLeftColor 0x000000; "
      "BottomRightColor 0x000000; Transparent False; InitialParent \"\"",
      // lbl_OnlineState
      "Name \"lbl_OnlineState\"; Index -2147483648; Left 461; Top 35; Width 99; Height 20; "
      "LockLeft False; LockTop True; LockRight True; LockBottom False; TabPanelIndex 0; "
      "TabIndex 0; TabStop True; Text \"ON AIR\"; TextAlign 1; TextColor 0x000000; "
      "MultiLine False; Enabled True; Visible True; Selectable False; HelpTag \"\"; "
      "AutoDeactivate True; Transparent False; TextFont \"System\"; TextSize 0.0; "
      "TextUnit 0; Bold True; Italic False; Underline False; DataSource \"\"; DataField \"\"; "
      "InitialParent \"rct_OnAirLight\"",
      // chk_StartPlaying
      "Name \"chk_StartPlaying\"; Index -2147483648; Left 27; Top 94; Width 320; Height 20; "
      "LockLeft True; LockTop True; LockRight False; LockBottom False; TabPanelIndex 0; "
      "TabIndex 4; TabStop True; Caption \"Start Playing as soon as stream comes on-air\"; "
      "Enabled True; Visible True; HelpTag \"\"; AutoDeactivate True; Transparent False; "
      "TextFont \"System\"; TextSize 0.0; TextUnit 0; Bold False; Italic False; "
      "Underline False; State 0; Value False; DataSource \"\"; DataField \"\"; "
      "InitialParent \"\"",
      // pic_Logo
      "Name \"pic_Logo\"; Index -2147483648; Left 27; Top 20; Width 237; Height 37; "
      "LockLeft True; LockTop True; LockRight False; LockBottom False; TabPanelIndex 0; "
      "TabIndex 5; TabStop True; Visible True; HelpTag \"\"; AutoDeactivate True; "
      "Enabled True; UseFocusRing True; AcceptFocus False; AcceptTabs False; "
      "DoubleBuffer False; EraseBackground True; Transparent True; InitialParent \"\"",
      // btn_Exit
      "Name \"btn_Exit\"; Index -2147483648; Left 500; Top 210; Width 80; Height 20; "
      "LockLeft False; LockTop False; LockRight True; LockBottom True; TabPanelIndex 0; "
      "TabIndex 6; TabStop True; Caption \"Exit\"; Default False; Cancel False; "
      "Enabled True; Visible True; HelpTag \"\"; AutoDeactivate True; ButtonStyle 0; "
      "Transparent False; TextFont \"System\"; TextSize 0.0; TextUnit 0; Bold False; "
      "Italic False; Underline False; InitialParent \"\"",
      // lbl_Heading
      "Name \"lbl_Heading\"; Index -2147483648; Left 27; Top 55; Width 268; Height 20; "
      "LockLeft True; LockTop True; LockRight False; LockBottom False; TabPanelIndex 0; "
      "TabIndex 7; TabStop True; Text \"Tembrel\"; TextAlign 0; TextColor 0xE2E2E2; "
      "MultiLine False; Enabled True; Visible True; Selectable False; HelpTag \"\"; "
      "AutoDeactivate True; Transparent False; TextFont \"System\"; TextSize 18.0; "
      "TextUnit 0; Bold False; Italic False; Underline False; DataSource \"\"; DataField \"\"; "
      "InitialParent \"\"",
      // btn_Open
      "Transparent False; Name \"btn_Open\"; Index -2147483648; Left 27; Top 210; Width 120; "
      "Height 20; LockLeft True; LockTop False; LockRight False; LockBottom True; "
      "TabPanelIndex 0; TabIndex 8; TabStop True; InitialParent \"\"; Visible True; "
      "HelpTag \"\"; AutoDeactivate True; Enabled True; Caption \"Open\"; CaptionAlign 3; "
      "CaptionPlacement 1; CaptionDelta 0; IconAlign 0; IconDX 0; IconDY 0; Bevel 0; "
      "HasMenu 1; HasBackColor False; BackColor 0x000000; TextColor 0x000000; Value False; "
      "MenuValue 0; ButtonType 0; AcceptFocus True; TextFont \"System\"; TextSize 0.0; "
      "TextUnit 0; Bold False; Italic False; Underline False",
      // htm_AudioPlayer
      "Name \"htm_AudioPlayer\"; Index -2147483648; Left 27; Top 116; Width 553; Height 74; "
      "LockLeft True; LockTop True; LockRight False; LockBottom False; TabPanelIndex 0; "
      "TabIndex 9; TabStop True; Visible False; HelpTag \"\"; AutoDeactivate True; "
      "Enabled True; Renderer 0",
  };
  ASSERT_EQ(std::size(expected), std::size(kBlocks));
  for (std::size_t i = 0; i < std::size(kBlocks); ++i) {
    std::string entries;
    for (const auto& setting : fw::DecodeSettings(kBlocks[i].block(), kBlocks[i].cls())) {
      entries += (entries.empty() ? "" : "; ") + Described(setting);
    }
    EXPECT_EQ(entries, expected[i]) << kBlocks[i].control;
  }
}

TEST(SettingsBlocks, EncodedEdgeCases) {
  const std::string noIndex = Bytes({0x00, 0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0xFF});
  EXPECT_EQ(ValueAfter(blocks::Window(), Bytes({1}) + "BackColor ", 4), Bytes({0xFE, 0x8E, 0x6C, 0x00}));
  EXPECT_EQ(ValueAfter(blocks::lbl_Heading(), "TextSize ", 4), Bytes({0x00, 0x00, 0x90, 0x41}));
  EXPECT_EQ(ValueAfter(blocks::rct_OnAirLight(), "rct_OnAirLightIndex ", 8), noIndex);
  EXPECT_EQ(ValueAfter(blocks::htm_AudioPlayer(), "HelpTag ", 5), Bytes({0, 0, 0, 0}) + "A") << "next: AutoDeactivate";
  EXPECT_EQ(blocks::tmr_LiveCheckTimer(),
            "Mode " + Bytes({0, 0, 0, 0, 0, 0, 0, 0}) + "Period " + Bytes({0x98, 0x3A, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(blocks::tmr_LiveCheckTimer().size(), 28u);
  EXPECT_EQ(blocks::btn_Open().rfind("Transparent ", 0), 0u);
  EXPECT_EQ(blocks::skt_TestOnlineSocket().find("Name "), std::string::npos);
}

TEST(SettingsBlocks, NamesWrittenInAnotherCaseReachTheDeclaredProperties) {
  auto declaredName = [](const std::string& block, const fw::ClassInfo& cls, std::string_view written) {
    for (const auto& setting : fw::DecodeSettings(block, cls)) {
      if (fw::FindProperty(cls, written) == setting.property) return std::string(setting.property->name);
    }
    return std::string("<none>");
  };
  EXPECT_EQ(declaredName(blocks::Window(), win_MainWindow::Description(), "MacProcID"), "MacProcId");
  EXPECT_EQ(declaredName(blocks::lbl_Heading(), fw::Label::Description(), "Multiline"), "MultiLine");
}

using WindowSettings = tembrel::test::MonitorTest;

TEST_F(WindowSettings, ApplyingTheBlocksGivesTheStatedValues) {
  EXPECT_EQ(window->Width(), 600);
  EXPECT_EQ(window->Height(), 250);
  EXPECT_EQ(window->Title(), "QAX Tembrel - Waiting");
  EXPECT_EQ(window->BackColor(), fw::Color{0x6C8EFE});
  EXPECT_FALSE(window->CloseButton());
  EXPECT_FALSE(window->Resizeable());
  EXPECT_TRUE(window->MinimizeButton());

  EXPECT_EQ(window->skt_TestOnlineSocket()->Address(), "127.0.0.1");
  EXPECT_EQ(window->skt_TestOnlineSocket()->Port(), 8000);
  EXPECT_EQ(window->tmr_LiveCheckTimer()->Period(), 15000);

  auto light = window->rct_OnAirLight();
  EXPECT_EQ(light->FillColor(), fw::Color{0x360E0F});
  EXPECT_EQ(light->BorderWidth(), 1);
  EXPECT_EQ(light->TopLeftColor(), fw::Color{0});
  EXPECT_EQ(light->BottomRightColor(), fw::Color{0});
  EXPECT_EQ(light->Left(), 441);
  EXPECT_EQ(light->Width(), 139);

  auto caption = window->lbl_OnlineState();
  EXPECT_EQ(caption->Text(), "ON AIR");
  EXPECT_TRUE(caption->Bold());
  EXPECT_EQ(caption->TextAlign(), 1);
  EXPECT_EQ(caption->InitialParent(), "rct_OnAirLight");
  EXPECT_EQ(caption->Left(), 461);

  auto heading = window->lbl_Heading();
  EXPECT_EQ(heading->Text(), "Tembrel");
  EXPECT_EQ(heading->TextSize(), 18.0f);
  EXPECT_EQ(heading->TextColor(), fw::Color{0xE2E2E2});

  auto box = window->chk_StartPlaying();
  EXPECT_EQ(box->Caption(), "Start Playing as soon as stream comes on-air");
  EXPECT_FALSE(box->Value());

  EXPECT_TRUE(window->pic_Logo()->Transparent());
  EXPECT_EQ(window->btn_Exit()->Caption(), "Exit");
  EXPECT_EQ(window->btn_Open()->Caption(), "Open");
  EXPECT_EQ(window->btn_Open()->MenuValue(), -1) << "its Open handler has run";
  EXPECT_FALSE(window->htm_AudioPlayer()->Visible());
  EXPECT_EQ(window->htm_AudioPlayer()->Renderer(), 0);
}

}  // namespace
