#pragma once

namespace kavrel::ui {

// The scrollers' MouseUpm flag: one value shared by all scrollers of a program, true while a mouse button
// is held on any scroller's thumb, track or arrow. The program owns one and hands it to every scroller;
// a scroller that was given none keeps its own.
struct ScrollerMouseState {
    bool held = false;
};

} // namespace kavrel::ui
