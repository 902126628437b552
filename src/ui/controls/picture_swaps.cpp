#include "ui/controls/picture_swaps.h"

#include "ui/controls/mega_image.h"

namespace kavrel::ui {

namespace {
constexpr int SecondLookOffset = 3;
constexpr int OffSlot = 1;
constexpr int OnSlot = 2;
} // namespace

void showPlayingLook(TMegaImage& button) {
    button.setAddToNom(0);
    button.showSlot(SecondLookOffset + 1);
    button.setAddToNom(SecondLookOffset);
}

void showPlayLook(TMegaImage& button) {
    button.setAddToNom(0);
    button.showSlot(1);
}

void setToggleOn(TMegaImage& button, bool on) {
    const int slot = on ? OnSlot : OffSlot;
    button.setNomPicRealVid(slot);
    button.showSlot(slot);
}

bool isToggleOn(const TMegaImage& button) {
    return button.NomPicRealVid() == OnSlot;
}

void setMarkLook(TMegaImage& button, bool markSet) {
    button.setAddToNom(markSet ? 1 : 0);
    // Shown at once so that a mark cleared elsewhere (a new track) does not wait for the pointer.
    button.showSlot(button.AddToNom() + button.NomPicRealVid());
}

void showLibraryChoice(TMegaImage& selector, std::string_view library) {
    if (library == "LB1")
        selector.showSlot(1);
    else if (library == "LBCD")
        selector.showSlot(2);
    else if (library == "LB2")
        selector.showSlot(3);
}

void showEqualizerEnabled(TMegaImage& button, bool enabled) {
    button.showSlot(enabled ? 1 : 2);
}

} // namespace kavrel::ui
