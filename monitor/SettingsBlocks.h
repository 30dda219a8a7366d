#pragma once

#include <string>

// The creation-time settings of the window and of each of its controls, one
// constant block each.
namespace blocks {

const std::string& Window();
const std::string& skt_TestOnlineSocket();
const std::string& tmr_LiveCheckTimer();
const std::string& rct_OnAirLight();
const std::string& lbl_OnlineState();
const std::string& chk_StartPlaying();
const std::string& pic_Logo();
const std::string& btn_Exit();
const std::string& lbl_Heading();
const std::string& btn_Open();
const std::string& htm_AudioPlayer();

}  // namespace blocks
