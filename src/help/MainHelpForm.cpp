#include "help/MainHelpForm.h"

#include "app/App.h"
#include "help/HelpButtons.h"
#include "help/QuickHelp.h"
#include "help/Topics.h"

namespace mirvo {

namespace {
constexpr forms::Color kLinkColor = 0xCC0000;  // blue, as links are
constexpr int kMargin = 240;
constexpr int kInnerWidth = 4920;
constexpr int kRowHeight = 255;
constexpr int kRowPitch = 270;

struct BasicsTopic {
    int index;  // the label's index, which fixes its topic
    int topic;
    const char* caption;
};
// Listed in the order a new user wants them; the index and topic belong together.
constexpr BasicsTopic kBasics[8] = {
    {8, Topic::NewUserEssentials, "New User Essential Information"},
    {7, Topic::MultiClipboardBasics, "Multi-clipboard Basics"},
    {2, Topic::KeyboardBasics, "Keyboard  Basics"},
    {6, Topic::ClipLibraryBasics, "Clip Library Basics"},
    {5, Topic::BulkBasics, "Bulk Basics"},
    {3, Topic::DuplicationBasics, "Duplication Basics"},
    {4, Topic::BookmarkAndEmailBasics, "Bookmark and Email Basics"},
    {1, Topic::BackupBasics, "Backup Basics"},
};

int TopicOf(int index) {
    for (const BasicsTopic& b : kBasics) {
        if (b.index == index) {
            return b.topic;
        }
    }
    return 0;
}
}  // namespace

MainHelp::MainHelp(App& app)
    : HelpDialog(app, "MainHelp"),
      Intro(Add<forms::Label>("Intro")),
      TutorialLink(Add<forms::Label>("TutorialLink")),
      BasicsFrame(Add<forms::Frame>("BasicsFrame")),
      OKBtn(Add<forms::CommandButton>("OKBtn")) {
    SetCaption(" Mirvo Help");

    Intro.SetCaption(
        "Quick help on anything: right click any button, caption or frame in Mirvo's windows "
        "and a small window explains it. F1 in the main window opens this window again.");
    Intro.Move(kMargin, 180, kInnerWidth, 3 * kRowHeight);

    TutorialLink.SetCaption("Show the step-by-step tutorial");
    TutorialLink.SetForeColor(kLinkColor);
    TutorialLink.SetToolTip(" Opens the tutorial in your web browser ");
    TutorialLink.Move(kMargin, 1080, kInnerWidth, kRowHeight);

    BasicsFrame.SetCaption("Basics: click a topic");
    const int frameTop = 1500;
    BasicsFrame.Move(kMargin, frameTop, kInnerWidth, 300 + 8 * kRowPitch);
    int row = 0;
    for (const BasicsTopic& b : kBasics) {
        forms::Label& label = Add<forms::Label>("Topic", b.index, &BasicsFrame);
        label.SetCaption(b.caption);
        label.SetForeColor(kLinkColor);
        label.Move(240, 270 + kRowPitch * row++, kInnerWidth - 480, kRowHeight);
        Topic[static_cast<size_t>(b.index)] = &label;
    }

    const int buttonTop = frameTop + BasicsFrame.Height() + 180;
    OKBtn.SetCaption("OK");
    OKBtn.Move((kInnerWidth + 2 * kMargin - 1200) / 2, buttonTop, 1200, 375);
    Move(0, 0, kInnerWidth + 2 * kMargin + 90, buttonTop + 375 + 240 + 420);
    ConnectEvents();
}

void MainHelp::TutorialLink_Click() {
    if (ShowTutorial(m_app)) {
        Unload();  // out of the way of the page that opens
    }
}

void MainHelp::Topic_MouseUp(int index) {
    ShowQuickHelp(m_app, TopicOf(index));
}

}  // namespace mirvo
