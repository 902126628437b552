#pragma once
// Pictures the program swaps on its buttons, whatever their ChangePictures says.
#include <string_view>

namespace kavrel::ui {

class TMegaImage;

// Play/pause: while playing the button shows the pause look (slots 4..6) and hovers and presses in it.
void showPlayingLook(TMegaImage& button);
// Paused or stopped: the play look (slots 1..3).
void showPlayLook(TMegaImage& button);

// On/off buttons: "on" rests on slot 2 (the hover picture doubles as the on picture), "off" on slot 1.
void setToggleOn(TMegaImage& button, bool on);
bool isToggleOn(const TMegaImage& button);

// The mark button rests on "Mark2" while a mark is set.
void setMarkLook(TMegaImage& button, bool markSet);

// The library selector shows slot 1, 2 or 3 for "LB1", "LBCD" or "LB2"; any other name leaves it alone.
void showLibraryChoice(TMegaImage& selector, std::string_view library);

// The equalizer's on/off button shows slot 1 while the equalizer is on, slot 2 while it is off.
void showEqualizerEnabled(TMegaImage& button, bool enabled);

} // namespace kavrel::ui
