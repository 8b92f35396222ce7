#include "app/EditContext.h"

#include <algorithm>

namespace mirvo {

namespace {
constexpr int kHistorySize = 9;
}  // namespace

bool SamePlace(const ClipPlace& a, const ClipPlace& b) {
    return a.source == b.source && a.index == b.index &&
           (a.source != ClipSource::GroupClip || a.group == b.group);
}

bool EditingState::IsEdited(const ClipPlace& place) const {
    return std::any_of(Open.begin(), Open.end(),
                       [&](const EditContext* edit) { return SamePlace(edit->Place(), place); });
}

bool EditingState::IsGroupEdited(int group) const {
    return std::any_of(Open.begin(), Open.end(), [&](const EditContext* edit) {
        return edit->EditSource == ClipSource::GroupClip && edit->EditGroup == group;
    });
}

void EditingState::ClipMoved(const ClipPlace& from, const ClipPlace& to) {
    for (EditContext* edit : Open) {
        if (SamePlace(edit->Place(), from)) {
            edit->EditSource = to.source;
            edit->EditIndex = to.index;
            edit->EditGroup = to.group;
        }
    }
}

void EditingState::GroupMoved(int from, int to) {
    for (EditContext* edit : Open) {
        if (edit->EditSource == ClipSource::GroupClip && edit->EditGroup == from) {
            edit->EditGroup = to;
        }
    }
}

void EditingState::HistoryShiftedBy(int clips) {
    for (EditContext* edit : Open) {
        if (edit->EditSource == ClipSource::ClipboardClip && edit->EditIndex != kLeftHistory &&
            edit->EditIndex < kHistorySize) {
            // The oldest leave.
            edit->EditIndex = edit->EditIndex < clips ? kLeftHistory : edit->EditIndex - clips;
        }
    }
}

void EditingState::HistoryCleared() {
    for (EditContext* edit : Open) {
        if (edit->EditSource == ClipSource::ClipboardClip) {
            edit->EditIndex = kLeftHistory;
        }
    }
}

OpenEdit::OpenEdit(EditingState& state, const EditContext& context)
    : m_state(state), m_context(context) {
    m_state.Open.push_back(&m_context);
}

void OpenEdit::Close() {
    auto& open = m_state.Open;
    open.erase(std::remove(open.begin(), open.end(), &m_context), open.end());
}

}  // namespace mirvo
