#pragma once

#include <string>

#include "forms/Color.h"

namespace mirvo {

class App;
namespace forms {
class Label;
}

// The narrow ways in which the layers below the form show data in the main window's panels.
// Labels are addressed by their highlight position (panels/Positions.h); colours that the
// keyboard highlight may cover go through panels/PanelColor.h.

// The label at a position, or nullptr outside the panels.
forms::Label* PanelLabel(App& app, int pos);
// The title a panel label shows ("" outside the panels).
const std::string& PanelTitle(App& app, int pos);
void ShowTitle(App& app, int pos, std::string title);

// The history moved up one slot: each clipboard clip shows the title of the one after it, and
// the last shows none.
void DropOldestClipboardTitle(App& app);
void ClearClipboardTitles(App& app);

// The key label beside row r of the group clips, with its tooltip.
void ShowKeyLabel(App& app, int row, std::string caption, std::string toolTip);
void ClearKeyLabels(App& app);
void ColorKeyLabels(App& app, forms::Color color);

// The library label of the control panel.
const std::string& LibraryLabel(App& app);
void ShowLibraryLabel(App& app, std::string name);
// The "Launch Pad" button, down while the launch pad is the current library.
void ShowLaunchPadButton(App& app, bool down);
// The caption of the "Bulk" capture button: its count, or "Bulk".
void ShowBulkButton(App& app, std::string caption);
// Shows the drop targets of a drag: the erase labels, the bulk-cache label, the bulk-paste target.
void ShowDropTargets(App& app, bool erase, bool bulkCache, bool bulkPaste);
// Hides the blinking marker of a search's match.
void HideSearchPointer(App& app);
// Hides the drop targets that show while something is dragged.
void HideDropTargets(App& app);

// The invisible focus holder takes the focus, so that no button keeps a focus rectangle; when
// the window cannot give the focus (hidden or minimized) nothing happens.
void HoldFocus(App& app);

}  // namespace mirvo
