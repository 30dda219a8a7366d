#include <gtest/gtest.h>

#include <string>

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
