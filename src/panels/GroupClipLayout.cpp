#include "panels/GroupClipLayout.h"

#include "app/App.h"
#include "app/Modes.h"
#include "app/StoreLayout.h"
#include "panels/Geometry.h"
#include "panels/MainForm.h"

namespace mirvo {

using namespace geometry;

namespace {

// The column of group clips shown alone (1..3), or 0 when all columns show.
int ShownGroupColumn(const App& app) {
    const AppSettings& s = app.settings;
    return s.ClipboardOnlyMode == ClipboardOnly::Column && s.DisplayMode >= Column::First &&
                   s.DisplayMode <= Column::Third
               ? s.DisplayMode
               : 0;
}

}  // namespace

void ArrangeGroupClips(App& app) {
    GroupPanels& groups = app.MainWindow().groupPanels;
    const bool large = app.settings.LargeWindow == 1;
    const bool hotKeys = app.settings.CurrentGroup == store::kHotKeyGroup;
    const int shown = ShownGroupColumn(app);
    for (int c = 0; c < 3; ++c) {
        int left = kColumnLefts[c];
        if (shown != 0) {
            left = shown == c + 1 ? kColumnItemLeft : kOutOfViewLeft;
        }
        for (int r = 0; r < 32; ++r) {
            const int n = r + 32 * c;
            forms::Label& item = *groups.item[static_cast<size_t>(n)];
            int itemLeft = left;
            int width = kItemWidth;
            if (hotKeys && n < store::kKeySlotCount && shown == 0) {
                itemLeft = kHotKeyItemLeft;
                width = large ? kItemWidth : kHotKeySmallItemWidth;
            }
            item.Move(itemLeft, item.Top(), width, item.Height());
            const bool hidden =
                (hotKeys && n >= store::kKeySlotCount) || (!large && r == kSmallHiddenRow);
            item.SetVisible(!hidden);
        }
    }
    for (int r = 0; r < 32; ++r) {
        forms::Label& key = *groups.hotkey[static_cast<size_t>(r)];
        key.SetWidth(hotKeys ? kHotKeyLabelWidth : kKeyLabelWidth);
        const bool hidden = shown != 0 || (hotKeys && r >= store::kKeySlotCount) ||
                            (!large && r == kSmallHiddenRow);
        key.SetVisible(!hidden);
    }
    groups.TopBtn[1]->SetLeft(shown != 0 ? kColumnTopBtnLeft : kTopBtnLefts[1]);
    for (int c = 1; c <= 3; ++c) {
        groups.TopBtn[static_cast<size_t>(c)]->SetVisible(!hotKeys);
    }
}

}  // namespace mirvo
