#pragma once

#include "forms/Types.h"

namespace mirvo {

class App;
namespace forms {
class Control;
}

// Starting a drag on the main window: a press on a clip, a transfer slot, a group name or the
// bulk button arms it, and a move of more than 20 twips begins it.

void Source_MouseDown(App& app, forms::Control& source, forms::MouseButton button, int x, int y);
// Moves over a source: true when the move began a drag.
bool Source_MouseMove(App& app, forms::Control& source, forms::MouseButton button, int x, int y);
// A move over a panel label: begins an armed drag, or is a move over the panel.
void PanelSource_MouseMove(App& app, forms::Control& source, int pos, forms::MouseButton button,
                           int x, int y);

}  // namespace mirvo
