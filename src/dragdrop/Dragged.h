#pragma once

#include <cstdint>
#include <string>

namespace mirvo {

class App;
struct ClipPlace;
namespace forms {
class Control;
}

// What is being dragged on the main window, told by the source control's Tag, and the clip it
// carries.

enum class SourceKind { None, ClipboardClip, GroupClip, TransferSlot, GroupName, BulkButton };

struct Dragged {
    SourceKind kind = SourceKind::None;
    int index = 0;
};

Dragged DraggedFrom(const forms::Control& source);

// A dragged clip's title, paste mode, colour (0: the panel's default) and data file. A group
// clip is slot n of the group shown when its drag started.
struct DraggedClip {
    std::string title;
    std::uint8_t pasteMode = 3;
    std::int32_t color = 0;
    std::string dataFile;
};
DraggedClip ClipOf(App& app, const Dragged& dragged);

// Where the dragged clip is (a group clip in the group shown when its drag started).
ClipPlace PlaceOf(App& app, const Dragged& dragged);

// Whether the dragged source still holds what its drag started with, by the files as they are
// now (the folder's lock is held): another instance may have moved, changed or emptied it since.
// The panels show the files first; a clipboard clip's index follows its clip through the other
// instances' captures.
bool StillThere(App& app, Dragged& dragged);

// Empties a group clip or a transfer slot: the source of a move, or what was erased. Its data
// file is deleted; a "Hot Key Clips" clip's hot key is no longer watched.
void EmptySource(App& app, const Dragged& dragged);

// The hourglass for the time a drop works.
class Working {
public:
    explicit Working(App& app);
    ~Working();
    Working(const Working&) = delete;
    Working& operator=(const Working&) = delete;

private:
    App& m_app;
};

}  // namespace mirvo
