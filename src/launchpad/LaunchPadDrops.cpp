// The shortcut editor's drags and drops. Every drag moves the hidden label Dragbox; what it
// carries (DragKind) and the target decide what a drop does.

#include <cstdlib>

#include "app/App.h"
#include "forms/FolderBrowser.h"
#include "forms/FormsHost.h"
#include "launchpad/Launch.h"
#include "launchpad/LaunchPad.h"

namespace mirvo {

namespace {
constexpr int kDragThreshold = 20;
constexpr int kBoxDragWidth = 1500;
constexpr int kBoxDragHeight = 270;
constexpr int kBoxDragOffset = 750;
constexpr forms::Color kBlack = 0x000000;
constexpr forms::Color kWhite = 0xFFFFFF;

void ShowPlain(forms::Label& bar) {
    bar.SetBackColor(kWhite);
    bar.SetForeColor(kBlack);
}
}  // namespace

void LaunchPad::BeginDrag(DragKind kind, int left, int top, int width, int height) {
    m_dragKind = kind;
    Dragbox.Move(left, top, width, height);
    Dragbox.Drag();
}

bool LaunchPad::MovedFarEnough(int x, int y) const {
    return std::abs(x - m_dragStartX) > kDragThreshold ||
           std::abs(y - m_dragStartY) > kDragThreshold;
}

void LaunchPad::Draglabel_MouseMove(int index, forms::MouseButton button) {
    if (button != forms::MouseButton::Left) {
        return;
    }
    // The file label carries the selected file: without one there is nothing to drag.
    if (index == 1 && Files.ListIndex() < 0) {
        return;
    }
    const forms::Label& label = *Draglabel[static_cast<size_t>(index)];
    BeginDrag(index == 0 ? DragKind::Folder : DragKind::File, label.Left(), label.Top(),
              label.Width(), label.Height());
}

void LaunchPad::Source_MouseDown(int x, int y) {
    m_dragStartX = x;
    m_dragStartY = y;
}

void LaunchPad::Box_MouseMove(Box box, forms::MouseButton button, int x, int y) {
    forms::TextBox& text = box == Box::File ? File : box == Box::Start ? Start : Command;
    if (button != forms::MouseButton::Left || text.Text().empty() || !MovedFarEnough(x, y)) {
        return;
    }
    const DragKind kind = box == Box::File    ? DragKind::FileTrash
                          : box == Box::Start ? DragKind::StartTrash
                                              : DragKind::CommandTrash;
    BeginDrag(kind, text.Left() + x - kBoxDragOffset, text.Top(), kBoxDragWidth, kBoxDragHeight);
}

void LaunchPad::Folders_MouseMove(int index, forms::MouseButton button, int x, int y) {
    forms::Label& bar = *Folders[static_cast<size_t>(index)];
    if (button == forms::MouseButton::None) {
        if (m_hotBookmark != index) {
            HighlightBar(bar);
            m_hotBookmark = index;
        }
    } else if (button == forms::MouseButton::Left && !bar.Caption().empty() &&
               MovedFarEnough(x, y)) {
        m_draggedBar = index;
        BeginDrag(DragKind::FolderTrash, bar.Left(), bar.Top(), bar.Width(), bar.Height());
    }
}

void LaunchPad::Filters_MouseMove(int index, forms::MouseButton button, int x, int y) {
    forms::Label& bar = *Filters[static_cast<size_t>(index)];
    if (button == forms::MouseButton::None) {
        if (m_hotFilter != index) {
            HighlightBar(bar);
            m_hotFilter = index;
        }
    } else if (button == forms::MouseButton::Left && index >= static_cast<int>(kFixedFilterCount) &&
               !bar.Caption().empty() && MovedFarEnough(x, y)) {
        m_draggedBar = index;
        BeginDrag(DragKind::FilterTrash, bar.Left(), bar.Top(), bar.Width(), bar.Height());
    }
}

void LaunchPad::HighlightBar(forms::Label& bar) {
    HideBars();
    bar.SetBackColor(forms::kHighlight);
    bar.SetForeColor(forms::kHighlightText);
    m_barsLit = true;
}

void LaunchPad::HideBars() {
    for (forms::Label* bar : Folders) {
        ShowPlain(*bar);
    }
    for (forms::Label* bar : Filters) {
        ShowPlain(*bar);
    }
    m_hotBookmark = -1;
    m_hotFilter = -1;
    m_barsLit = false;
}

std::string LaunchPad::ShownFolder() const {
    return Dirs.Path();
}

std::string LaunchPad::SelectedFile() const {
    std::string folder = Dirs.Path();
    const char separator = m_app.os.forms.Browser().Separator();
    if (folder.empty() || folder.back() != separator) {
        folder += separator;
    }
    return folder + Files.FileName();
}

void LaunchPad::Box_DragDrop(Box box, forms::Control& source) {
    if (&source != &Dragbox) {
        return;
    }
    const DragKind kind = m_dragKind;
    if (box == Box::File) {
        if (kind == DragKind::Folder) {
            File.SetText(ShownFolder());
        } else if (kind == DragKind::File) {
            File.SetText(SelectedFile());
            if (IsProgramFile(SelectedFile())) {
                Start.SetText(ShownFolder());
            }
        } else if (kind == DragKind::StartTrash) {
            File.SetText(Start.Text());
        } else if (kind == DragKind::CommandTrash) {
            File.SetText(Command.Text());
        }
    } else if (box == Box::Start) {
        if (kind == DragKind::Folder) {
            Start.SetText(ShownFolder());
        } else if (kind == DragKind::FileTrash) {
            Start.SetText(File.Text());
        } else if (kind == DragKind::CommandTrash) {
            Start.SetText(Command.Text());
        } else if (kind == DragKind::FolderTrash) {
            Start.SetText(FromBookmark(Folders[static_cast<size_t>(m_draggedBar)]->Caption()));
        }
    } else {
        if (kind == DragKind::Folder) {
            std::string folder = ShownFolder();
            // A drive's root goes to a program as "C:".
            if (folder.size() == 3) {
                folder.pop_back();
            }
            Command.SetText(folder);
        } else if (kind == DragKind::File) {
            Command.SetText(SelectedFile());
        } else if (kind == DragKind::FileTrash) {
            Command.SetText(File.Text());
        } else if (kind == DragKind::StartTrash) {
            Command.SetText(Start.Text());
        }
    }
}

void LaunchPad::Folders_DragDrop(int index, forms::Control& source) {
    if (&source != &Dragbox) {
        return;
    }
    forms::Label& bookmark = *Folders[static_cast<size_t>(index)];
    if (m_dragKind == DragKind::Folder) {
        bookmark.SetCaption(AsBookmark(ShownFolder()));
    } else if (m_dragKind == DragKind::FolderTrash && index != m_draggedBar) {
        forms::Label& dragged = *Folders[static_cast<size_t>(m_draggedBar)];
        bookmark.SetCaption(dragged.Caption());
        dragged.SetCaption("");
    }
}

void LaunchPad::Filters_DragDrop(int index, forms::Control& source) {
    // The two fixed filters never change.
    if (&source != &Dragbox || index < static_cast<int>(kFixedFilterCount)) {
        return;
    }
    forms::Label& filter = *Filters[static_cast<size_t>(index)];
    if (m_dragKind == DragKind::File) {
        const std::string name = Files.FileName();
        if (name.size() < 4 || name[name.size() - 4] != '.') {
            return;
        }
        const std::string extension = name.substr(name.size() - 4);
        filter.SetCaption(filter.Caption().empty() ? "*" + extension
                                                   : filter.Caption() + ";*" + extension);
        Files.SetPattern(filter.Caption());
    } else if (m_dragKind == DragKind::FilterTrash && index != m_draggedBar) {
        forms::Label& dragged = *Filters[static_cast<size_t>(m_draggedBar)];
        filter.SetCaption(dragged.Caption());
        dragged.SetCaption("");
    }
}

void LaunchPad::Trash_DragDrop(forms::Control& source) {
    if (&source != &Dragbox) {
        return;
    }
    switch (m_dragKind) {
        case DragKind::FileTrash:
            File.SetText("");
            break;
        case DragKind::StartTrash:
            Start.SetText("");
            break;
        case DragKind::CommandTrash:
            Command.SetText("");
            break;
        case DragKind::FolderTrash:
            Folders[static_cast<size_t>(m_draggedBar)]->SetCaption("");
            break;
        case DragKind::FilterTrash:
            Filters[static_cast<size_t>(m_draggedBar)]->SetCaption("");
            break;
        default:
            break;
    }
}

}  // namespace mirvo
