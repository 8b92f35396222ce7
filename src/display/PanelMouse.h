#pragma once

#include "forms/Types.h"
#include "store/Groups.h"  // SelectGroup, which a click on a group name runs

namespace mirvo {

class App;

// Mouse handling shared by the four panels (clipboard clips, group clips, transfer slots and
// group names), the frames' help, and the choice of a group by a click on its name.

// A drag has ended (the mouse moves over the window again without one): the drop targets go, and
// the compact display a clipboard clip's drag came from comes back.
void Hidetrash(App& app);
// The mouse over a panel label: the drop targets go, and the highlight follows the mouse when
// the user chose so.
void PanelLabel_MouseMove(App& app, int pos);
// A button released over a panel label: the clip clicks that follow know which button it was.
void PanelLabel_MouseUp(App& app, forms::MouseButton button);
// A click on a group name: shows that group (a right click on "Hot Key Clips" shows its help).
// True when a right click chose the group: it is to be named next.
bool Group_Click(App& app, int group);

// The panels' frames: a right click on one shows its help.
enum class PanelFrame { ClipboardClips, GroupClips, GroupNames, TransferSlots };
void PanelFrame_MouseUp(App& app, PanelFrame frame, forms::MouseButton button);

}  // namespace mirvo
