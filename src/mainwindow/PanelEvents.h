#pragma once

namespace mirvo {

class App;
class Edit;

// Mouse handling shared by the four panels (clipboard clips, group clips, transfer slots and
// group names) and the choice of a group by a click on its name.

// Connects the panels' mouse events, the display buttons, the focus holder and the search box.
void WirePanelEvents(App& app, Edit& edit);
// A click on a group name: shows that group (a right click on "Hot Key Clips" shows its help).
void Group_Click(App& app, int group);
// Hides the drop targets that show while something is dragged.
void HideDropTargets(App& app);

}  // namespace mirvo
