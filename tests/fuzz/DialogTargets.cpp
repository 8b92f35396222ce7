// A clip data file opened in the clip viewer: what the viewer shows comes from the file's own
// records, and looking at a clip never changes it.

#include <algorithm>

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/EditContext.h"
#include "app/Modes.h"
#include "clipboard/ClipDataFile.h"
#include "clipboard/Restore.h"
#include "dialogs/ClipEditor.h"
#include "dialogs/ViewForm.h"
#include "dialogs/ViewedClip.h"
#include "fuzz/FuzzProgram.h"
#include "fuzz/FuzzTargets.h"

namespace mirvo::fuzz {

namespace {

std::string ViewedFile(const App& app) {
    return ClipDataPath(app, ClipKind::Clip, 0);
}

bool Contains(const files::Bytes& input, const std::string& text) {
    const files::Bytes wanted(text.begin(), text.end());
    return wanted.empty() ||
           std::search(input.begin(), input.end(), wanted.begin(), wanted.end()) != input.end();
}

void ViewClip(FuzzProgram& program, const files::Bytes& input) {
    App& app = program.app();
    app.clip.ClipboardClipCount = 1;
    OpenClipEditor(app, ClipSource::ClipboardClip, 0);
    auto* viewer = static_cast<view*>(app.editing.Editor.get());
    Require(viewer && viewer->Loaded() && app.editing.EditorOpen, "the viewer did not open");

    const std::string& shown = viewer->Text1[0]->Text();
    const bool shortcut = input.size() >= 2 && files::ReadInt16(input, 0) == kShortcutMarker;
    if (viewer->Text1[0]->Enabled()) {
        Require(!shortcut, "a shortcut was opened as text");
        Require(shown.find('\0') == std::string::npos, "the text runs past its NUL");
        Require(Contains(input, shown), "the text shown is not the file's");
    } else {
        Require(shown == "Non Text Clip" || shown == kInsufficientMemoryText,
                "a clip without text shows text");
    }
    if (viewer->PicturePreview()) {
        Require(viewer->Image1.Picture().size() <= input.size(), "a picture larger than its file");
    }
    viewer->Unload();
    Require(!app.editing.EditorOpen, "the viewer stayed open");
    Require(program.Read(ViewedFile(app)) == input, "viewing changed the clip file");
}

std::vector<files::Bytes> ViewerLayouts() {
    files::Bytes current;
    files::WriteInt32(current, 0, -1);
    files::WriteInt32(current, 4, 2);
    files::WriteInt32(current, 8, 1);  // CF_TEXT
    files::WriteInt32(current, 12, 0);
    files::WriteInt32(current, 16, 3);
    files::WriteText(current, 20, std::string("hi\0", 3));
    files::WriteInt32(current, 23, 8);  // a DIB of one pixel
    files::WriteInt32(current, 27, 0);
    files::WriteInt32(current, 31, 44);
    files::Bytes dib(44, 0);
    dib[0] = 40;
    dib[4] = dib[8] = dib[12] = 1;
    dib[14] = 32;
    current.insert(current.end(), dib.begin(), dib.end());
    return {TextClipBytes("edited text"), current};
}

}  // namespace

void AddDialogTargets(std::vector<FuzzTarget>& targets) {
    targets.push_back({"clip_view", ViewedFile, ViewClip, ViewerLayouts});
}

}  // namespace mirvo::fuzz
