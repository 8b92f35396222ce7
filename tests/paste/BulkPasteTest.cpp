#include "paste/BulkPaste.h"

#include <algorithm>
#include <cstdio>
#include <functional>

#include "app/AppSettings.h"
#include "app/ClipboardState.h"
#include "app/StoreState.h"
#include "clipboard/BulkCache.h"
#include "clipboard/ClipDataFile.h"
#include "clipboard/ClipboardFixture.h"
#include "paste/BulkForm.h"
#include "store/LibraryFiles.h"

namespace mirvo {
namespace {

using test::Bytes;
using test::ReadFileBytes;
using test::WriteFileBytes;

constexpr platform::WindowHandle kNotepad = 0x4242;
constexpr platform::WindowHandle kNotepadEdit = 0x4243;  // notepad's text box
constexpr int kCtrl = 2;

// Notepad as the target of the keys: it handles them when the program next serves window
// messages, or at once for keys sent with the wait for their processing, and pastes by asking
// for the clipboard's text from its text box. A paste is recorded as the text it got. It also
// notes whether everything was sent to the target with the hot keys and the monitor resting, and
// whether every paste was taken before the clipboard changed again.
class PasteRecorder : public platform::KeySender {
public:
    PasteRecorder(test::TestApp& t, App& app) : m_t(t), m_app(app) {
        t.desktop.processes[kNotepadEdit] = t.desktop.ProcessOf(kNotepad);
        t.host.onDoEvents = [this] {
            if (onEvents) {
                onEvents();
            }
            if (m_pending && ++m_eventsSinceSent > takeAfterEvents) {
                TakePending();
            }
        };
    }

    void Send(const std::string& keys, platform::SendWait wait) override {
        TakePending();  // keys are handled in the order they come
        if (keys == "+{INSERT}") {
            pasteWaits.push_back(wait);
            if (deaf || losePastes > 0) {
                losePastes = std::max(0, losePastes - 1);
                return;  // the keys paste nothing
            }
            markedEveryPaste =
                markedEveryPaste && m_t.clipboard.IsFormatAvailable(m_app.MarkerFormats[0]);
            m_pending = true;
            m_eventsSinceSent = 0;
            m_sentAtSequence = m_t.clipboard.sequence;
            if (wait == platform::SendWait::WaitForProcessing) {
                TakePending();
            }
        } else {
            sent.push_back(keys);
        }
        quietEveryTime = quietEveryTime && m_t.keyboard.monitoring == 0 &&
                         !m_app.MainWindow().Timer1.Enabled() && m_t.desktop.foreground == kNotepad;
    }

    // Notepad handles the paste key: it reads the clipboard as it is now.
    void TakePending() {
        if (!m_pending) {
            return;
        }
        m_pending = false;
        waitedForEveryPaste = waitedForEveryPaste && m_t.clipboard.sequence == m_sentAtSequence;
        const auto text = m_t.clipboard.PasteInOtherProgram(platform::Format::Text, kNotepadEdit);
        sent.push_back("paste " +
                       (text ? std::string(text->begin(), std::find(text->begin(), text->end(), 0))
                             : std::string("(no text)")));
        if (onPaste) {
            onPaste();
        }
    }

    std::vector<std::string> sent;
    bool waitedForEveryPaste = true;
    bool markedEveryPaste = true;
    bool quietEveryTime = true;
    std::function<void()> onPaste;
    std::function<void()> onEvents;  // another program's turn whenever messages are served
    int takeAfterEvents = 0;         // a slow notepad handles its keys this much later
    int losePastes = 0;              // the next paste keys that reach notepad without effect
    bool deaf = false;               // a window that does nothing on the paste key
    std::vector<platform::SendWait> pasteWaits;  // of every paste key sent

private:
    test::TestApp& m_t;
    App& m_app;
    bool m_pending = false;
    int m_eventsSinceSent = 0;
    std::uint32_t m_sentAtSequence = 0;
};

class BulkPasting : public test::ClipboardFixture {
protected:
    BulkPasting() {
        t.desktop.foreground = kNotepad;
        Tick();  // the clipboard timer notes the window the user works in
        edit().SetWindowState(forms::WindowState::Normal);
        app.os.keySender = &recorder;
    }

    // The user answers the bulk paste window: a separator, the user text, "Paste".
    void Answer(int separator, const std::string& userText = "") {
        t.host.onModal = [this, separator, userText](forms::Form& shown) {
            auto& form = dynamic_cast<BulkForm&>(shown);
            form.spaceoption[static_cast<size_t>(separator)]->SetValue(true);
            if (!userText.empty()) {
                form.Text1.SetText(userText);
            }
            t.host.Click(form.OKBtn);
        };
    }
    // "Bulk" on, then copies in another program.
    void BulkCaptures(std::initializer_list<const char*> texts) {
        t.host.Click(*edit().controlPanel.CaptureMode[2]);
        for (const char* text : texts) {
            CopyText(text);
        }
    }
    int StoredSpacing() {
        return DecodeSettings(ReadFileBytes(t.PrivateFolder() + "mirvo.ini")).BulkSpacing;
    }

    PasteRecorder recorder{t, app};
};

using Sent = std::vector<std::string>;

TEST_F(BulkPasting, TheBulkKeyPastesTheBulkCapturesWithABlankLineBetweenTwo) {
    BulkCaptures({"one", "two", "three"});
    ASSERT_EQ(app.settings.BulkCount, 3);
    edit().controlPanel.BulkPaste.SetVisible(true);
    Answer(BulkSeparator::BlankLine);

    EXPECT_TRUE(t.keyboard.Press(0x2D, kCtrl)) << "Ctrl+Insert is the bulk key";
    EXPECT_TRUE(recorder.sent.empty()) << "the paste waits for the paste timer";
    t.host.AdvanceTime(200);
    EXPECT_EQ(recorder.sent, (Sent{"paste one", "{ENTER}", "{ENTER}", "paste two", "{ENTER}",
                                   "{ENTER}", "paste three"}));
    EXPECT_TRUE(recorder.waitedForEveryPaste);
    EXPECT_TRUE(recorder.markedEveryPaste);
    EXPECT_TRUE(recorder.quietEveryTime)
        << "all keys go to notepad while the hot keys and the monitor rest";
    EXPECT_EQ(t.keyboard.monitoring, 2);
    EXPECT_TRUE(edit().Timer1.Enabled());
    EXPECT_EQ(StoredSpacing(), BulkSeparator::BlankLine);
    EXPECT_EQ(edit().WindowState(), forms::WindowState::Minimized)
        << "the full window gets out of the way";
    EXPECT_FALSE(edit().controlPanel.BulkPaste.Visible());

    Tick();
    EXPECT_EQ(app.clip.ClipboardClipCount, 3) << "what the paste left is not captured again";
    EXPECT_EQ(app.settings.BulkCount, 3) << "a bulk paste keeps the cache";
    EXPECT_FALSE(app.clip.ClearOnNextCapture) << "the history is kept: not \"Batch\"";

    // The titles the drop of the "Bulk" button on a group gives its clips.
    EXPECT_EQ(ReadBulkTitles(app), (Sent{"one", "two", "three"}));
    std::remove(DataFile("bulk.dat").c_str());
    EXPECT_EQ(ReadBulkTitles(app), (Sent{"", "", ""}));
    EXPECT_FALSE(test::FileExists(DataFile("bulk.dat")));
}

TEST_F(BulkPasting, EachSeparatorGoesBetweenTwoClipsOnly) {
    BulkCaptures({"one", "two"});
    WriteFileBytes(LibraryFolderOf(app, 1) + "group0.0", TextClipBytes("from library 1"));
    WriteFileBytes(LibraryFolderOf(app, 1) + "group3.0", TextClipBytes("current group"));
    t.host.Click(*edit().groupPanels.Group[3]);
    const std::string prefix = app.store.GroupDataPrefix;
    ASSERT_NE(prefix, LibraryFolderOf(app, 1) + "group0.");

    const std::pair<int, Sent> cases[] = {
        {BulkSeparator::None, {"paste one", "paste two"}},
        {BulkSeparator::NewLine, {"paste one", "{ENTER}", "paste two"}},
        {BulkSeparator::UserText, {"paste one", "paste , ", "paste two"}},
        {BulkSeparator::FirstLibraryClip, {"paste one", "paste from library 1", "paste two"}},
        {BulkSeparator::Tab, {"paste one", "{TAB}", "paste two"}},
        {BulkSeparator::Down, {"paste one", "{DOWN}", "paste two"}},
    };
    for (const auto& [separator, sent] : cases) {
        recorder.sent.clear();
        edit().SetWindowState(forms::WindowState::Normal);
        Answer(separator, ", ");
        BulkSub(app);
        EXPECT_EQ(recorder.sent, sent) << "separator " << separator;
    }
    EXPECT_TRUE(recorder.waitedForEveryPaste);
    EXPECT_TRUE(recorder.markedEveryPaste) << "the user text is marked as the program's own";
    EXPECT_EQ(app.store.GroupDataPrefix, prefix) << "the current group stays";
    EXPECT_EQ(ReadFileBytes(DataFile("Spacer.txt")), Bytes(", "));
    Tick();
    EXPECT_EQ(app.clip.ClipboardClipCount, 2);
}

TEST_F(BulkPasting, EachPasteWaitsUntilNotepadHasReadTheClipAndTheLastStaysWhole) {
    BulkCaptures({"one", "two", "three"});
    Answer(BulkSeparator::UserText, "+");
    recorder.takeAfterEvents = 5;  // notepad is slow
    const std::uint32_t start = t.desktop.tick;
    BulkSub(app);
    EXPECT_EQ(recorder.sent, (Sent{"paste one", "paste +", "paste two", "paste +", "paste three"}));
    EXPECT_TRUE(recorder.waitedForEveryPaste) << "the clipboard changed before notepad read it";
    EXPECT_EQ(recorder.pasteWaits, std::vector<platform::SendWait>(5, platform::SendWait::NoWait))
        << "every paste went on as soon as notepad had read it";
    EXPECT_LT(t.desktop.tick - start, 1000u);
    EXPECT_TRUE(t.clipboard.onRequest.empty()) << "the clipboard is whole without the program";
    EXPECT_EQ(t.clipboard.PasteInOtherProgram(platform::Format::Text, 0x5151),
              Bytes(std::string("three") + '\0'));
}

TEST_F(BulkPasting, APasteWhoseKeysWereLostIsSentOnceMoreAndNoClipEverTwice) {
    BulkCaptures({"one", "two", "three"});
    Answer(BulkSeparator::NewLine);
    recorder.losePastes = 1;  // notepad just came forward and lost the Shift of the first paste
    BulkSub(app);
    EXPECT_EQ(recorder.sent, (Sent{"paste one", "{ENTER}", "paste two", "{ENTER}", "paste three"}));
    EXPECT_EQ(recorder.pasteWaits.size(), 4u);
    EXPECT_TRUE(recorder.waitedForEveryPaste);

    // A clipboard viewer of another program reads every content before notepad does: notepad's
    // reading is never seen, so a paste is never sent again; the wait for the first one is
    // bounded, the others wait for their keys.
    constexpr platform::WindowHandle kViewer = 0x5151;
    recorder.onEvents = [&] {
        if (!t.clipboard.onRequest.empty()) {
            t.clipboard.PasteInOtherProgram(platform::Format::Text, kViewer);
        }
    };
    recorder.takeAfterEvents = 3;
    recorder.sent.clear();
    recorder.pasteWaits.clear();
    const std::uint32_t start = t.desktop.tick;
    BulkSub(app);
    EXPECT_EQ(recorder.sent, (Sent{"paste one", "{ENTER}", "paste two", "{ENTER}", "paste three"}));
    EXPECT_EQ(recorder.pasteWaits,
              (std::vector<platform::SendWait>{platform::SendWait::NoWait,
                                               platform::SendWait::WaitForProcessing,
                                               platform::SendWait::WaitForProcessing}));
    EXPECT_TRUE(recorder.waitedForEveryPaste);
    EXPECT_LT(t.desktop.tick - start, 2000u);
}

TEST_F(BulkPasting, AWindowThatNeverPastesCostsTwoWaitsOnceAndGetsNoKeyMoreThanNeeded) {
    BulkCaptures({"one", "two", "three"});
    Answer(BulkSeparator::NewLine);
    recorder.deaf = true;
    const std::uint32_t start = t.desktop.tick;
    BulkSub(app);
    EXPECT_EQ(recorder.sent, (Sent{"{ENTER}", "{ENTER}"}));
    EXPECT_EQ(recorder.pasteWaits,
              (std::vector<platform::SendWait>{
                  platform::SendWait::NoWait, platform::SendWait::NoWait,
                  platform::SendWait::WaitForProcessing, platform::SendWait::WaitForProcessing}));
    EXPECT_GE(t.desktop.tick - start, 2000u);
    EXPECT_LT(t.desktop.tick - start, 3000u);
    EXPECT_TRUE(t.clipboard.onRequest.empty());
}

TEST_F(BulkPasting, AnEmptyCachePastesTheHistoryOldestFirstAndABatchStartsAfresh) {
    for (const char* text : {"first", "second", "third"}) {
        CopyText(text);
    }
    Answer(BulkSeparator::NewLine);
    BulkSub(app);
    EXPECT_EQ(recorder.sent,
              (Sent{"paste first", "{ENTER}", "paste second", "{ENTER}", "paste third"}));
    EXPECT_FALSE(app.clip.ClearOnNextCapture);

    app.settings.KeepClipboardClips = 0;  // "Batch"
    recorder.sent.clear();
    BulkSub(app);
    EXPECT_EQ(recorder.sent.size(), 5u);
    EXPECT_TRUE(app.clip.ClearOnNextCapture);
    CopyText("next batch");
    EXPECT_EQ(app.clip.ClipboardClipCount, 1);

    recorder.sent.clear();
    t.host.RestoreByUser(edit());
    t.host.Click(edit().clipboardPanel.ClearBtn);
    BulkSub(app);
    EXPECT_TRUE(recorder.sent.empty()) << "nothing to paste";
}

TEST_F(BulkPasting, CancelEscAndTheTitleBarPasteNothingAndAHeldClipboardStopsThePaste) {
    BulkCaptures({"one", "two", "three"});
    const std::function<void(BulkForm&)> closes[] = {
        [&](BulkForm& form) { t.host.Click(form.CancelBtn); },
        [&](BulkForm& form) {
            form.Text1.SetFocus();
            t.host.PressKey(forms::Key::Escape);  // Esc cancels from the text box too
        },
        [&](BulkForm& form) { t.host.CloseByUser(form); },
    };
    for (const auto& close : closes) {
        t.host.onModal = [&](forms::Form& shown) { close(dynamic_cast<BulkForm&>(shown)); };
        BulkSub(app);
        EXPECT_TRUE(recorder.sent.empty());
    }
    EXPECT_EQ(edit().WindowState(), forms::WindowState::Normal) << "the window stays where it is";
    EXPECT_EQ(t.keyboard.monitoring, 2);
    EXPECT_TRUE(edit().Timer1.Enabled());

    // Another program takes the clipboard after the first paste.
    recorder.onPaste = [&] { t.clipboard.heldByOtherForOpens = 1000; };
    const size_t beeps = t.desktop.beeps.size();
    Answer(BulkSeparator::NewLine);
    BulkSub(app);
    EXPECT_EQ(recorder.sent, (Sent{"paste one", "{ENTER}"})) << "no clip is pasted twice";
    EXPECT_EQ(t.desktop.beeps.size(), beeps + 2);
    EXPECT_EQ(t.keyboard.monitoring, 2);
    EXPECT_TRUE(edit().Timer1.Enabled());
}

TEST_F(BulkPasting, AShortcutInTheCacheIsSkippedAndTheItemsAfterItArePasted) {
    BulkCaptures({"one", "two", "three"});
    // An item no clipboard can take, as an older version let into the cache.
    std::vector<std::uint8_t> shortcut(1522, 0);
    files::WriteInt16(shortcut, 0, kShortcutMarker);
    WriteFileBytes(DataFile("bulk.1"), shortcut);
    Answer(BulkSeparator::NewLine);
    for (int paste = 0; paste < 2; ++paste) {
        recorder.sent.clear();
        const size_t beeps = t.desktop.beeps.size();
        BulkSub(app);
        EXPECT_EQ(recorder.sent, (Sent{"paste one", "{ENTER}", "paste three"}))
            << "every paste goes on past the item";
        EXPECT_EQ(t.desktop.beeps.size(), beeps + 2);
    }
}

TEST_F(BulkPasting, ATargetWindowThatIsGoneGetsNoKeysButTwoTones) {
    BulkCaptures({"one", "two"});
    t.desktop.closed.insert(kNotepad);
    t.desktop.foreground = edit().hWnd();
    const size_t beeps = t.desktop.beeps.size();
    Answer(BulkSeparator::NewLine);
    BulkSub(app);
    EXPECT_TRUE(recorder.sent.empty()) << "the keys would go to whatever is in front";
    EXPECT_EQ(t.desktop.beeps.size(), beeps + 2);
    EXPECT_EQ(t.keyboard.monitoring, 2);
    EXPECT_TRUE(edit().Timer1.Enabled());
}

TEST_F(BulkPasting, TheWindowShowsTheStoredChoiceAndTheUserTextAndTakesDigitKeys) {
    WriteFileBytes(DataFile("Spacer.txt"), Bytes("saved\r\ntext"));
    BulkForm form(app);
    form.Show();
    EXPECT_TRUE(form.spaceoption[1]->Value()) << "a new line unless chosen otherwise";
    EXPECT_EQ(form.Text1.Text(), "saved\r\ntext");
    EXPECT_EQ(t.host.FocusedControl(), &form.OKBtn);
    for (const auto& control : form.Controls()) {
        EXPECT_TRUE(control.get() == &form.OKBtn || control->TabIndex() > 0) << control->Name();
    }
    EXPECT_EQ(form.Left(), (t.host.screen.widthTwips - form.Width()) / 2);
    EXPECT_EQ(form.Top(), (t.host.screen.heightTwips - form.Height()) / 2);
    EXPECT_EQ(t.desktop.topmostCalls.back(), std::make_pair(form.hWnd(), true));

    t.host.PressKey('3');
    EXPECT_TRUE(form.spaceoption[2]->Value());
    EXPECT_EQ(StoredSpacing(), 2) << "a choice is saved at once";
    EXPECT_EQ(t.host.FocusedControl(), &form.OKBtn);
    t.host.PressKey(forms::Key::Numpad0 + 7);
    EXPECT_EQ(app.settings.BulkSpacing, BulkSeparator::Down);

    t.host.PressKey('4');
    EXPECT_EQ(app.settings.BulkSpacing, BulkSeparator::UserText);
    EXPECT_EQ(t.host.FocusedControl(), &form.Text1);
    EXPECT_EQ(form.Text1.SelLength(), 11) << "the whole text is selected to be typed over";
    t.host.PressKey('6', 0, '6');
    EXPECT_EQ(app.settings.BulkSpacing, BulkSeparator::UserText) << "a digit typed is text";

    form.OKBtn.SetFocus();
    t.host.PressKey('1');
    EXPECT_EQ(app.settings.BulkSpacing, BulkSeparator::None);
    t.host.PressKey('8');
    t.host.PressKey('0');
    EXPECT_EQ(app.settings.BulkSpacing, BulkSeparator::None);
    EXPECT_TRUE(form.Loaded());
}

TEST_F(BulkPasting, TheUserTextIsRequiredAndKeptWholeAndBounded) {
    app.settings.BulkSpacing = BulkSeparator::UserText;
    {
        BulkForm form(app);
        form.Show();
        EXPECT_TRUE(test::FileExists(DataFile("Spacer.txt"))) << "a missing file is created";
        EXPECT_EQ(form.Text1.Text(), "");
        t.desktop.beeps.clear();
        t.host.Click(form.OKBtn);
        EXPECT_EQ(t.desktop.beeps, (std::vector<std::pair<int, int>>{{100, 100}, {70, 100}}));
        EXPECT_TRUE(form.Loaded()) << "an empty user text is refused";
        EXPECT_EQ(t.host.FocusedControl(), &form.Text1);

        form.Text1.SetText("<-\r\n->");
        t.host.Click(form.OKBtn);
        EXPECT_FALSE(form.Loaded());
        EXPECT_FALSE(form.Cancelled());
        EXPECT_EQ(form.SpacerText(), "<-\r\n->");
        EXPECT_EQ(ReadFileBytes(DataFile("Spacer.txt")), Bytes("<-\r\n->")) << "no terminator";
    }
    {
        BulkForm form(app);
        form.Show();
        EXPECT_EQ(form.Text1.Text(), "<-\r\n->");
        form.Unload();
        EXPECT_TRUE(form.Cancelled());
    }
    // A huge file shows its first 64 KB.
    const std::string huge(200 * 1024, 'x');
    WriteFileBytes(DataFile("Spacer.txt"), Bytes(huge));
    BulkForm form(app);
    form.Load();
    EXPECT_EQ(form.Text1.Text(), huge.substr(0, kSpacerTextLimit));
}

}  // namespace
}  // namespace mirvo
