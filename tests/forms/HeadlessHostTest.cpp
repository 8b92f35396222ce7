#include "forms/HeadlessHost.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "forms/Controls.h"
#include "forms/FolderBrowser.h"
#include "forms/TextBox.h"
#include "forms/Timer.h"

namespace mirvo::forms {
namespace {

// A form that records its events.
class Probe : public Form {
public:
    explicit Probe(FormsHost& host) : Form(host, "Probe") {}
    std::vector<std::string> events;
    int refuseClose = 0;

protected:
    void Form_Load() override { events.push_back("Load"); }
    void Form_Activate() override { events.push_back("Activate"); }
    void Form_Resize() override { events.push_back("Resize"); }
    void Form_QueryUnload(int& cancel, UnloadMode mode) override {
        events.push_back("QueryUnload" + std::to_string(static_cast<int>(mode)));
        cancel = refuseClose;
    }
    void Form_Unload(int&) override { events.push_back("Unload"); }
    void Form_KeyDown(int& keyCode, int) override {
        events.push_back("FormKeyDown" + std::to_string(keyCode));
        if (keyCode == Key::Escape) {
            keyCode = 0;
        }
    }
};

TEST(HeadlessHost, OptionButtonsOfOneContainerExcludeEachOtherAndRaiseClick) {
    HeadlessHost host;
    Probe form(host);
    Frame& frame = form.Add<Frame>("Frame1");
    OptionButton& a = form.Add<OptionButton>("Opt", 0, &frame);
    OptionButton& b = form.Add<OptionButton>("Opt", 1, &frame);
    OptionButton& outside = form.Add<OptionButton>("Other");
    int clicks = 0;
    b.OnClick = [&] { ++clicks; };
    outside.SetValue(true);
    a.SetValue(true);
    b.SetValue(true);
    EXPECT_FALSE(a.Value());
    EXPECT_TRUE(b.Value());
    EXPECT_TRUE(outside.Value()) << "another container keeps its choice";
    EXPECT_EQ(clicks, 1);
    b.SetValue(true);
    EXPECT_EQ(clicks, 1) << "no change, no Click";
}

TEST(HeadlessHost, TheFormSeesKeysFirstAndCanSwallowThem) {
    HeadlessHost host;
    Probe form(host);
    form.SetKeyPreview(true);
    TextBox& box = form.Add<TextBox>("Text1");
    std::vector<std::string> boxKeys;
    box.OnKeyDown = [&](int& key, int) { boxKeys.push_back("down" + std::to_string(key)); };
    box.OnKeyPress = [&](int& ascii) { boxKeys.push_back("press" + std::to_string(ascii)); };
    box.OnKeyUp = [&](int& key, int) { boxKeys.push_back("up" + std::to_string(key)); };
    form.Show();
    box.SetFocus();
    host.PressKey(Key::A, 0, 'a');
    host.PressKey(Key::Escape, 0, 27);
    EXPECT_EQ(boxKeys, (std::vector<std::string>{"down65", "press97", "up65", "up27"}));
    EXPECT_EQ(form.events.back(), "FormKeyDown27");
}

// A form that records the key-ups it previews.
class KeyUps : public Form {
public:
    KeyUps(FormsHost& host, const std::string& name) : Form(host, name) { SetKeyPreview(true); }
    std::vector<int> ups;

protected:
    void Form_KeyUp(int& keyCode, int) override { ups.push_back(keyCode); }
};

TEST(HeadlessHost, KeysChooseTheFocusedButtonAsOnTheScreen) {
    HeadlessHost host;
    KeyUps form(host, "Buttons");
    CheckBox& check = form.Add<CheckBox>("Check");
    OptionButton& first = form.Add<OptionButton>("Opt", 0);
    OptionButton& second = form.Add<OptionButton>("Opt", 1);
    CommandButton& command = form.Add<CommandButton>("Command");
    TextBox& box = form.Add<TextBox>("Text1");
    std::vector<std::string> clicks;
    for (Control* c : std::initializer_list<Control*>{&check, &first, &second, &command, &box}) {
        c->OnClick = [&clicks, c] { clicks.push_back(c->Name() + std::to_string(c->Index())); };
    }
    first.SetValue(true);
    clicks.clear();
    form.Show();

    check.SetFocus();
    host.KeyDown(Key::Space, 0, ' ');
    EXPECT_EQ(check.Value(), 0) << "a button is chosen when Space comes up";
    host.KeyUp(Key::Space);
    EXPECT_EQ(check.Value(), 1);
    second.SetFocus();
    host.PressKey(Key::Space, 0, ' ');
    EXPECT_TRUE(second.Value());
    EXPECT_FALSE(first.Value());
    command.SetFocus();
    host.PressKey(Key::Space, 0, ' ');
    host.PressKey(Key::Return, 0, 13);
    host.PressKey(Key::Return);  // no character: nothing chosen
    box.SetFocus();
    host.PressKey(Key::Space, 0, ' ');
    host.PressKey(Key::Return, 0, 13);
    EXPECT_EQ(clicks, (std::vector<std::string>{"Check-1", "Opt1", "Command-1", "Command-1"}));

    // Space released on another control than it went down on chooses nothing.
    check.SetFocus();
    host.KeyDown(Key::Space, 0, ' ');
    box.SetFocus();
    host.KeyUp(Key::Space);
    EXPECT_EQ(check.Value(), 1);
}

TEST(HeadlessHost, TheReleaseOfAKeyWhosePressClosedAFormIsSwallowedOnce) {
    HeadlessHost host;
    KeyUps main(host, "Main");
    main.Show();
    KeyUps dialog(host, "Dialog");
    CommandButton& ok = dialog.Add<CommandButton>("OKBtn");
    ok.OnClick = [&] { dialog.Unload(); };
    host.onModal = [&](Form&) {
        ok.SetFocus();
        host.KeyDown(Key::Return, 0, 13);
    };
    dialog.Show(ShowMode::Modal);
    EXPECT_EQ(host.ActiveForm(), &main) << "the window below is active again";
    EXPECT_EQ(host.SwallowKeyUp(), Key::Return);
    host.KeyUp(Key::Return);
    host.PressKey(Key::Return, 0, 13);
    EXPECT_EQ(main.ups, std::vector<int>{Key::Return}) << "only the next Enter comes up here";

    // A release that went to another program: other keys pass, and so does the next press.
    dialog.Show(ShowMode::Modal);
    host.PressKey(Key::A, 0, 'a');
    EXPECT_EQ(host.SwallowKeyUp(), Key::Return);
    host.PressKey(Key::Return, 0, 13);
    EXPECT_EQ(main.ups, (std::vector<int>{Key::Return, Key::A, Key::Return}));
    EXPECT_EQ(host.SwallowKeyUp(), 0);

    // A form that closes as a key comes up leaves nothing to swallow.
    dialog.Show(ShowMode::Modal);
    host.KeyUp(Key::Return);
    host.onModal = [&](Form&) {
        ok.SetFocus();
        host.KeyDown(Key::Space, 0, ' ');
        host.KeyUp(Key::Space);
    };
    dialog.Show(ShowMode::Modal);
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_EQ(host.SwallowKeyUp(), 0);
}

TEST(HeadlessHost, TimersFireInTimeOrderAndRestartWhenReEnabled) {
    HeadlessHost host;
    Probe form(host);
    Timer& slow = form.Add<Timer>("Slow");
    Timer& fast = form.Add<Timer>("Fast");
    std::vector<std::pair<std::string, long long>> fired;
    slow.SetInterval(1000);
    fast.SetInterval(150);
    slow.OnTimer = [&] { fired.emplace_back("slow", host.Now()); };
    fast.OnTimer = [&] {
        fired.emplace_back("fast", host.Now());
        fast.SetEnabled(false);  // a one-shot timer, as the program's paste timer is
    };
    slow.SetEnabled(true);
    fast.SetEnabled(true);
    host.AdvanceTime(500);
    EXPECT_TRUE(fired.empty()) << "timers run only on loaded forms";

    form.Load();
    host.AdvanceTime(2100);
    const std::vector<std::pair<std::string, long long>> expected = {
        {"fast", 650}, {"slow", 1500}, {"slow", 2500}};
    EXPECT_EQ(fired, expected);

    fired.clear();
    host.AdvanceTime(200);  // now 2800: slow is due at 3500
    slow.SetEnabled(false);
    slow.SetEnabled(true);  // restarts the period from now
    host.AdvanceTime(900);
    EXPECT_TRUE(fired.empty());
    host.AdvanceTime(100);
    ASSERT_EQ(fired.size(), 1u);
    EXPECT_EQ(fired[0].second, 3800);
}

TEST(HeadlessHost, TimeThatPassesInsideATimerHandlerIsNotTakenBack) {
    // A timer's handler may wait itself (a modal form up while the user waits): the time it
    // let pass stays passed, and a timer it started runs one period after that.
    HeadlessHost host;
    Probe form(host);
    Timer& opener = form.Add<Timer>("Opener");
    Timer& later = form.Add<Timer>("Later");
    opener.SetInterval(100);
    later.SetInterval(1000);
    later.SetEnabled(false);
    std::vector<long long> laterFired;
    opener.OnTimer = [&] {
        opener.SetEnabled(false);
        host.AdvanceTime(3000);  // now 3100
        later.SetEnabled(true);  // due at 4100
    };
    later.OnTimer = [&] { laterFired.push_back(host.Now()); };
    form.Load();
    opener.SetEnabled(true);
    host.AdvanceTime(1000);
    EXPECT_EQ(host.Now(), 3100);
    host.AdvanceTime(1000);
    EXPECT_EQ(laterFired, std::vector<long long>{4100});
}

TEST(HeadlessHost, AModalShowReturnsWhenTheFormHasUnloaded) {
    HeadlessHost host;
    Probe dialog(host);
    CommandButton& ok = dialog.Add<CommandButton>("OKBtn");
    ok.Move(100, 100, 1200, 360);
    ok.OnClick = [&] { dialog.Unload(); };
    bool answered = false;
    host.onModal = [&](Form& shown) {
        EXPECT_EQ(&shown, &dialog);
        EXPECT_TRUE(shown.Visible());
        EXPECT_TRUE(shown.Modal());
        host.Click(ok);
        answered = true;
    };
    dialog.Show(ShowMode::Modal);
    EXPECT_TRUE(answered);
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_EQ(dialog.events,
              (std::vector<std::string>{"Load", "Resize", "Activate", "QueryUnload1", "Unload"}));
}

TEST(HeadlessHost, AFormCanRefuseToCloseFromItsTitleBar) {
    HeadlessHost host;
    Probe form(host);
    form.Show();
    form.refuseClose = 1;
    EXPECT_FALSE(host.CloseByUser(form));
    EXPECT_TRUE(form.Loaded());
    EXPECT_EQ(form.events.back(), "QueryUnload0");
    form.refuseClose = 0;
    EXPECT_TRUE(host.CloseByUser(form));
    EXPECT_FALSE(form.Loaded());
}

TEST(HeadlessHost, FocusNeedsAVisibleEnabledControlOnAShownForm) {
    HeadlessHost host;
    Probe form(host);
    PictureBox& holder = form.Add<PictureBox>("holdfocus");
    Label& label = form.Add<Label>("Label1");
    CommandButton& button = form.Add<CommandButton>("Btn");
    std::vector<std::string> focus;
    holder.OnGotFocus = [&] { focus.push_back("holder+"); };
    holder.OnLostFocus = [&] { focus.push_back("holder-"); };
    button.OnGotFocus = [&] { focus.push_back("button+"); };

    EXPECT_THROW(holder.SetFocus(), InvalidFocus) << "the form is hidden";
    form.Show();
    EXPECT_THROW(label.SetFocus(), InvalidFocus) << "labels take no focus";
    button.SetEnabled(false);
    EXPECT_THROW(button.SetFocus(), InvalidFocus);
    button.SetEnabled(true);
    holder.SetFocus();
    button.SetFocus();
    EXPECT_EQ(focus, (std::vector<std::string>{"holder+", "holder-", "button+"}));
    EXPECT_EQ(form.ActiveControl(), &button);
}

TEST(HeadlessHost, AFailingHandlerEndsOnlyItselfAndReachesTheErrorHandler) {
    HeadlessHost host;
    std::vector<std::string> errors;
    host.SetErrorHandler([&](std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& x) {
            errors.push_back(x.what());
        }
    });
    Probe form(host);
    Label& label = form.Add<Label>("Label1");
    label.Move(100, 100, 1200, 300);
    form.Show();
    int after = 0;
    label.OnClick = [] { throw std::runtime_error("disk error"); };
    label.OnMouseUp = [&](MouseButton, int, int, int) { ++after; };
    host.Click(label);
    host.Click(label);
    EXPECT_EQ(after, 2);
    EXPECT_EQ(errors, (std::vector<std::string>{"disk error", "disk error"}));
}

TEST(HeadlessHost, DragAndDropCarriesTheSourceControl) {
    HeadlessHost host;
    Probe form(host);
    Label& source = form.Add<Label>("item", 3);
    Label& target = form.Add<Label>("Trans", 1);
    target.Move(100, 100, 1200, 300);
    form.Show();
    Control* dropped = nullptr;
    target.OnDragDrop = [&](Control& from, int, int) { dropped = &from; };
    source.Drag();
    EXPECT_EQ(host.DragSource(), &source);
    host.Drop(target);
    EXPECT_EQ(dropped, &source);
    EXPECT_EQ(host.DragSource(), nullptr);
}

TEST(HeadlessHost, InputGoesOnlyWhereAHandCouldGiveIt) {
    HeadlessHost host;
    Probe form(host);
    form.Move(0, 0, 4800, 3600);
    Frame& frame = form.Add<Frame>("Frame1");
    frame.Move(100, 100, 2000, 1000);
    Label& inside = form.Add<Label>("Inside", -1, &frame);
    inside.Move(100, 100, 1000, 300);
    Label& beyond = form.Add<Label>("Beyond", -1, &frame);
    beyond.Move(2500, 100, 1000, 300);  // past the frame's edge
    CommandButton& button = form.Add<CommandButton>("Btn");
    button.Move(100, 1500, 1200, 360);
    int clicks = 0;
    inside.OnClick = [&] { ++clicks; };

    EXPECT_THROW(host.Click(inside), UnreachableInput) << "the form is not shown";
    form.Show();
    host.Click(inside);
    EXPECT_EQ(clicks, 1);
    EXPECT_THROW(host.Click(beyond), UnreachableInput) << "out of sight of its frame";
    frame.SetEnabled(false);
    EXPECT_THROW(host.Click(inside), UnreachableInput) << "a disabled frame holds it";
    frame.SetEnabled(true);
    inside.SetVisible(false);
    EXPECT_THROW(host.MouseMove(inside, 0, 0), UnreachableInput);
    inside.SetVisible(true);
    form.SetWindowState(WindowState::Minimized);
    EXPECT_THROW(host.Click(inside), UnreachableInput);
    host.RestoreByUser(form);
    EXPECT_EQ(form.WindowState(), WindowState::Normal);

    Probe dialog(host);
    dialog.SetControlBox(false);
    host.onModal = [&](Form&) {
        EXPECT_THROW(host.Click(inside), UnreachableInput) << "waiting for the modal form";
        EXPECT_THROW(host.CloseByUser(dialog), UnreachableInput) << "no close box";
        EXPECT_EQ(host.ModalForms(), std::vector<Form*>{&dialog});
    };
    dialog.Show(ShowMode::Modal);
    host.Click(inside);
    EXPECT_EQ(clicks, 2) << "the form takes input again once the modal form has gone";
}

TEST(HeadlessHost, ButtonsActOnTheirReleaseAndKeysGoWhereTheFocusIsThen) {
    HeadlessHost host;
    Probe form(host);
    form.SetKeyPreview(true);
    TextBox& box = form.Add<TextBox>("Text1");
    box.Move(100, 100, 2000, 300);
    box.SetMaxLength(4);
    CheckBox& check = form.Add<CheckBox>("Check1");
    check.Move(100, 500, 2000, 300);
    CommandButton& ok = form.Add<CommandButton>("OKBtn");
    ok.Move(100, 900, 1200, 360);
    std::vector<std::string> order;
    check.OnClick = [&] { order.push_back("Click" + std::to_string(check.Value())); };
    check.OnMouseUp = [&](MouseButton, int, int, int) { order.push_back("MouseUp"); };
    form.Show();
    EXPECT_EQ(host.FocusedControl(), &box) << "an activated form focuses its first tab stop";

    host.Type("abcdef");
    EXPECT_EQ(box.Text(), "abcd") << "the box types what it can take";
    host.PressKey(Key::Back, 0, 8);
    EXPECT_EQ(box.Text(), "abc");
    host.Click(check);
    EXPECT_EQ(order, (std::vector<std::string>{"Click1", "MouseUp"}));
    EXPECT_EQ(host.FocusedControl(), &check);
    host.PressKey(Key::Space, 0, ' ');
    EXPECT_EQ(check.Value(), 0) << "Space releases a focused check box";
    host.PressKey(Key::Tab);
    EXPECT_EQ(host.FocusedControl(), &ok);

    // Enter on a focused button clicks it; the dialog goes and the key's release reaches the
    // form that is active then.
    Probe dialog(host);
    CommandButton& close = dialog.Add<CommandButton>("OKBtn");
    close.Move(100, 100, 1200, 360);
    close.OnClick = [&] { dialog.Unload(); };
    host.onModal = [&](Form&) {
        EXPECT_EQ(host.FocusedControl(), &close);
        host.KeyDown(Key::Return, 0, 13);
        EXPECT_FALSE(dialog.Loaded());
    };
    dialog.Show(ShowMode::Modal);
    host.KeyUp(Key::Return);
    EXPECT_EQ(host.FocusedControl(), &ok) << "the form below has its focus back";
    EXPECT_EQ(form.events.back(), "Activate");
}

TEST(Events, AnEventTakesOneHandlerAndASecondOneFailsNamingTheControl) {
    HeadlessHost host;
    Probe form(host);
    Label& label = form.Add<Label>("item", 3);
    label.Move(100, 100, 1200, 300);
    form.Show();
    std::vector<std::string> ran;
    label.OnClick = [&] { ran.push_back("first"); };
    try {
        label.OnClick = [&] { ran.push_back("second"); };
        ADD_FAILURE() << "a second Click handler was taken";
    } catch (const HandlerConflict& conflict) {
        EXPECT_STREQ(conflict.what(), "Probe.item(3) has a Click handler already");
    }
    host.Click(label);
    EXPECT_EQ(ran, std::vector<std::string>{"first"}) << "the first handler stays connected";

    // Taking the handler out leaves the event free for another one.
    const auto first = label.OnClick.Take();
    EXPECT_FALSE(label.OnClick);
    label.OnClick = [&] {
        ran.push_back("wrapped");
        first();
    };
    host.Click(label);
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "wrapped", "first"}));
    EXPECT_THROW(
        label.OnClick = [] {}, HandlerConflict);
}

TEST(HeadlessHost, FormsNeverGetLowerThanTheirTitleBar) {
    HeadlessHost host;
    Probe form(host);
    form.Load();
    form.SetHeight(0);
    EXPECT_EQ(form.Height(), host.captionTwips + 2 * host.borderTwips);
    form.SetHeight(3000);
    EXPECT_EQ(form.ScaleHeight(), 3000 - host.captionTwips - 2 * host.borderTwips);
}

TEST(TextBox, SelectionAndMaxLength) {
    HeadlessHost host;
    Probe form(host);
    TextBox& box = form.Add<TextBox>("title");
    box.SetMaxLength(10);
    int changes = 0;
    box.OnChange = [&] { ++changes; };
    box.SetText("A title that is too long");
    EXPECT_EQ(box.Text(), "A title th");
    box.SetSelStart(2);
    box.SetSelLength(5);
    EXPECT_EQ(box.SelText(), "title");
    box.SetSelText("name");
    EXPECT_EQ(box.Text(), "A name th");
    EXPECT_EQ(box.SelStart(), 6);
    EXPECT_EQ(changes, 2);
    box.SetSelLength(100);
    EXPECT_EQ(box.SelLength(), 3);
}

TEST(Wildcards, MatchLikeTheFileListDoes) {
    EXPECT_TRUE(MatchesWildcard("setup.EXE", "*.exe"));
    EXPECT_TRUE(MatchesWildcard("README", "*.*"));
    EXPECT_TRUE(MatchesWildcard("a.txt", "?.txt"));
    EXPECT_FALSE(MatchesWildcard("ab.txt", "?.txt"));
    EXPECT_TRUE(MatchesWildcard("report.final.doc", "*.doc"));
    EXPECT_FALSE(MatchesWildcard("notes.docx", "*.doc"));
    EXPECT_TRUE(MatchesAnyPattern("run.BAT", "*.EXE;*.COM;*.BAT"));
    EXPECT_FALSE(MatchesAnyPattern("run.bak", "*.EXE;*.COM;*.BAT"));
    EXPECT_TRUE(MatchesAnyPattern("x.txt", "*.doc; *.txt"));
}

}  // namespace
}  // namespace mirvo::forms
