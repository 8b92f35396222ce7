#pragma once

namespace mirvo {

class App;

// The screen-edge switcher: while the main window is out of the way, the pointer pushed against
// a switched-on edge of the screen offers a button that brings it up (and one for the sibling
// program "Netvane" when that one is minimized).

// Every 200 ms: the pointer on an edge shows the switcher's window there. The watch rests
// while no edge is switched on, and once the pointer has stood still for a while: a pointer
// that does not move reaches no edge.
void TimerEdge_Timer(App& app);
// Every second (the clipboard timer): a pointer that moved wakes the resting watch.
void WakeEdgeWatch(App& app);
// Every 100 ms while the window is up: the pointer off it closes it.
void TimerEdgeOff_Timer(App& app);

}  // namespace mirvo
