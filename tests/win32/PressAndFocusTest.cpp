// What the headless host promises and the native tests rely on, held by the Win32 host under real
// input: a control that saw a button go down keeps hearing the mouse, whichever the button and
// however fast the pointer leaves it; and a focus change made inside a GotFocus handler is where
// the focus stays.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "TestForms.h"
#include "WinTestSupport.h"
#include "win32/host/Win32FormsHost.h"
#include "win32/platform/Win32FolderBrowser.h"

namespace mirvo::wintest {
namespace {

using forms::MouseButton;

// Three labels one above the other, as the clip panels stand.
class LabelsForm : public forms::Form {
public:
    LabelsForm(forms::FormsHost& host, EventLog& log) : forms::Form(host, "Labels") {
        SetCaption("Labels");
        Move(600, 600, 4200, 3000);
        for (forms::Label* label : {&first, &second, &third}) {
            label->SetCaption(label->Name());
            const std::string name = label->Name();
            label->OnMouseMove = [&log, name](MouseButton b, int shift, int x, int y) {
                log.Add(name, "MouseMove", static_cast<int>(b), shift, x, y);
            };
            Watch(*label, log);
        }
        first.Move(120, 120, 3000, 360);
        second.Move(120, 600, 3000, 360);
        third.Move(120, 1080, 3000, 360);
    }

    forms::Label& first = Add<forms::Label>("first");
    forms::Label& second = Add<forms::Label>("second");
    forms::Label& third = Add<forms::Label>("third");
};

// Loads like the clip viewer: activation gives the focus to a hidden holder, whose first GotFocus
// loads and hands the focus on to the title, which selects its text.
class LoadOnFocusForm : public forms::Form {
public:
    explicit LoadOnFocusForm(forms::FormsHost& host) : forms::Form(host, "Loader") {
        SetCaption("Loader");
        Move(5400, 600, 4200, 2400);
        title.Move(120, 120, 3000, 315);
        body.SetMultiLine(true);
        body.Move(120, 600, 3000, 900);
        holdfocus.SetBorder(forms::BorderStyle::None);
        holdfocus.Move(12000, 0, 255, 105);
        holdfocus.OnGotFocus = [this] {
            ++holderFocused;
            if (!loaded) {
                loaded = true;
                title.SetText("Untitled");
                title.TrySetFocus();
            }
        };
        title.OnGotFocus = [this] {
            title.SetSelStart(0);
            title.SetSelLength(static_cast<int>(title.Text().size()));
        };
    }

    forms::TextBox& title = Add<forms::TextBox>("title");
    forms::TextBox& body = Add<forms::TextBox>("body");
    forms::PictureBox& holdfocus = Add<forms::PictureBox>("holdfocus");
    bool loaded = false;
    int holderFocused = 0;

protected:
    void Form_Activate() override {
        if (!loaded) {
            holdfocus.TrySetFocus();
        }
    }
};

class PressAndFocus : public ::testing::Test {
protected:
    HWND Win(const forms::Control& c) const { return host.ControlWindow(c); }
    bool WaitFor(const std::string& source, const std::string& name, int count = 1) {
        return PumpUntil(host, [&] { return log.Count(source, name) >= count; });
    }

    win32::Win32FolderBrowser browser;
    win32::Win32FormsHost host{GetModuleHandleA(nullptr), browser};
    EventLog log;
    LabelsForm labels{host, log};
};

TEST_F(PressAndFocus, ALabelPressedWithEitherButtonHearsTheMovesAndTheReleaseWhereverThePointerIs) {
    labels.Show();
    ASSERT_TRUE(MakeForeground(host, reinterpret_cast<HWND>(labels.hWnd())));
    for (const bool right : {true, false}) {
        SCOPED_TRACE(right ? "right button" : "left button");
        log.Clear();
        MoveMouseTo(CenterOf(Win(labels.first)));
        PumpFor(host, 50);
        SetMouseButton(right, true);
        ASSERT_TRUE(WaitFor("first", "MouseDown"));
        // A brisk hand: the first move after the press is already two labels away.
        MoveMouseTo(CenterOf(Win(labels.third)));
        PumpFor(host, 100);
        SetMouseButton(right, false);
        ASSERT_TRUE(WaitFor("first", "MouseUp")) << log.Dump();
        PumpFor(host, 50);

        const int button = static_cast<int>(right ? MouseButton::Right : MouseButton::Left);
        const Event* moved = log.Last("first", "MouseMove");
        ASSERT_NE(moved, nullptr) << "the pressed label hears the move\n" << log.Dump();
        EXPECT_EQ(moved->button, button) << "with the button held";
        EXPECT_GT(moved->y, 700) << "in its own coordinates, beyond its bottom";
        EXPECT_EQ(log.Last("first", "MouseUp")->button, button);
        for (const Event& e : log.All()) {
            EXPECT_FALSE(e.source == "third" && e.name == "MouseMove" && e.button != 0)
                << "only the pressed label hears the moves while the button is down\n"
                << log.Dump();
        }
        EXPECT_EQ(log.Count("third", "MouseUp"), 0) << "the release is the pressed label's";
        EXPECT_EQ(log.Count("first", "Click"), 0) << "released outside: no click";
        EXPECT_EQ(GetCapture(), nullptr) << "the mouse is given back";
    }
}

TEST_F(PressAndFocus, AFocusChangeMadeInAGotFocusHandlerIsWhereTheFocusStays) {
    labels.Show();
    ASSERT_TRUE(MakeForeground(host, reinterpret_cast<HWND>(labels.hWnd())));
    LoadOnFocusForm loader(host);
    loader.Show();
    ASSERT_TRUE(PumpUntil(host, [&] { return loader.loaded; }));
    PumpFor(host, 200);

    EXPECT_EQ(host.FocusedControl(), &loader.title);
    EXPECT_EQ(GetFocus(), Win(loader.title)) << "the window has it too";
    EXPECT_EQ(loader.holderFocused, 1) << "the holder does not take it back";
    TypeText("Typed");
    EXPECT_TRUE(PumpUntil(host, [&] { return loader.title.Text() == "Typed"; }))
        << "typing replaces the selected title: " << loader.title.Text();

    // Activated again, the form gives the focus back where it was.
    ASSERT_TRUE(MakeForeground(host, reinterpret_cast<HWND>(labels.hWnd())));
    ASSERT_TRUE(MakeForeground(host, reinterpret_cast<HWND>(loader.hWnd())));
    PumpFor(host, 100);
    EXPECT_EQ(GetFocus(), Win(loader.title));
    EXPECT_EQ(host.FocusedControl(), &loader.title);
    loader.Unload();
}

}  // namespace
}  // namespace mirvo::wintest
