// The Win32 forms host under real windows and real input: a form with every control kind is
// shown, driven with SendInput, and checked through the model's events and what the native
// windows show (text, positions at the screen's DPI, colours).

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <memory>
#include <stdexcept>
#include <thread>

#include "TestForms.h"
#include "WinTestSupport.h"
#include "win32/host/Win32FormsHost.h"
#include "win32/platform/Win32FolderBrowser.h"

namespace mirvo::wintest {
namespace {

using forms::MouseButton;
using win32::Win32FormsHost;

int ScreenDpi(int axis) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    return dpi;
}

class FormsHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        temp.MakeFolder("alpha");
        temp.MakeFolder("alpha\\inner");
        temp.MakeFolder("beta");
        temp.MakeFile("one.txt");
        temp.MakeFile("two.txt");
        temp.MakeFile("three.dat");
        form = std::make_unique<ControlKindsForm>(host, log);
        form->dirList.SetPath(temp.Path());
        form->filList.SetPattern("*.txt");
        form->filList.SetPath(temp.Path());
    }
    void TearDown() override { form.reset(); }

    void ShowForm() {
        form->Show();
        form->drvList.RefreshDrives();
        ASSERT_TRUE(MakeForeground(host, Hwnd()));
        ASSERT_TRUE(PumpUntil(host, [&] { return log.Count("Kinds", "Activate") > 0; }));
        log.Clear();
    }
    bool WaitFor(const std::string& source, const std::string& name, int count = 1) {
        return PumpUntil(host, [&] { return log.Count(source, name) >= count; });
    }

    HWND Hwnd() const { return reinterpret_cast<HWND>(form->hWnd()); }
    HWND Win(const forms::Control& c) const { return host.ControlWindow(c); }
    int PxX(int twips) const { return MulDiv(twips, dpiX, 1440); }
    int PxY(int twips) const { return MulDiv(twips, dpiY, 1440); }
    int TwX(int pixels) const { return MulDiv(pixels, 1440, dpiX); }
    int TwY(int pixels) const { return MulDiv(pixels, 1440, dpiY); }
    // The pixel rectangle of a control in its parent, converted from twips edge by edge.
    RECT ExpectedRect(const forms::Control& c) const {
        return {PxX(c.Left()), PxY(c.Top()), PxX(c.Left() + c.Width()), PxY(c.Top() + c.Height())};
    }
    SIZE ClientSize(HWND window) const {
        RECT r{};
        GetClientRect(window, &r);
        return {r.right, r.bottom};
    }

    const int dpiX = ScreenDpi(LOGPIXELSX);
    const int dpiY = ScreenDpi(LOGPIXELSY);
    TempFolder temp;
    win32::Win32FolderBrowser browser;
    Win32FormsHost host{GetModuleHandleA(nullptr), browser};
    EventLog log;
    std::unique_ptr<ControlKindsForm> form;
};

// The position of a window among its siblings, 0 on top.
int ZIndex(HWND window) {
    int i = 0;
    for (HWND w = GetWindow(window, GW_HWNDFIRST); w; w = GetWindow(w, GW_HWNDNEXT), ++i) {
        if (w == window) {
            return i;
        }
    }
    return -1;
}

BOOL CALLBACK FindToolTips(HWND window, LPARAM found) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0) {
        *reinterpret_cast<HWND*>(found) = window;
    }
    return TRUE;
}

std::string MenuText(HMENU menu, UINT position) {
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

std::string ListText(HWND list, int i) {
    char text[MAX_PATH] = {};
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    return text;
}

TEST_F(FormsHostTest, ShowsEveryControlKindWhereTheTwipsSayWithItsTextAndColours) {
    ShowForm();
    ControlKindsForm& f = *form;

    for (const forms::Control* c : std::initializer_list<const forms::Control*>{
             &f.lblInfo, &f.cmdGo, &f.optA, &f.chkG, &f.txtSingle, &f.txtMulti, &f.fraBox,
             &f.lblInFrame, &f.optG2, &f.picBox, &f.lblInPic, &f.imgStretch, &f.dirList, &f.filList,
             &f.holdfocus}) {
        const RECT want = ExpectedRect(*c);
        const RECT got = RectInParent(Win(*c));
        EXPECT_TRUE(EqualRect(&want, &got)) << c->Name() << " at " << got.left << ',' << got.top;
    }
    // A combo box's own height includes its list; its field starts where the twips say.
    const RECT drive = RectInParent(Win(f.drvList));
    EXPECT_EQ(drive.left, PxX(f.drvList.Left()));
    EXPECT_EQ(drive.top, PxY(f.drvList.Top()));
    EXPECT_EQ(drive.right, PxX(f.drvList.Left() + f.drvList.Width()));
    // Containers are the parents of their controls; a picture box's children sit in its client
    // area, inside the border.
    EXPECT_EQ(GetParent(Win(f.lblInFrame)), Win(f.fraBox));
    EXPECT_EQ(GetParent(Win(f.lblInPic)), Win(f.picBox));
    EXPECT_EQ(GetParent(Win(f.cmdGo)), Hwnd());
    EXPECT_EQ(Win(f.tmr), nullptr);

    EXPECT_EQ(TextOf(Hwnd()), "Control kinds");
    EXPECT_EQ(TextOf(Win(f.lblInfo)), f.lblInfo.Caption());
    EXPECT_EQ(TextOf(Win(f.cmdGo)), "Go");
    EXPECT_EQ(TextOf(Win(f.chkStd)), "Check");
    EXPECT_EQ(TextOf(Win(f.txtSingle)), "hello");
    EXPECT_EQ(TextOf(Win(f.txtMulti)), "line one\r\nline two");
    EXPECT_EQ(TextOf(Win(f.fraBox)), "Frame caption");

    auto style = [&](const forms::Control& c) {
        return static_cast<DWORD>(GetWindowLongPtrA(Win(c), GWL_STYLE));
    };
    EXPECT_EQ(style(f.lblInfo) & (SS_TYPEMASK | WS_BORDER), DWORD{SS_CENTER | WS_BORDER});
    EXPECT_EQ(style(f.lblRight) & SS_TYPEMASK, DWORD{SS_RIGHT});
    EXPECT_TRUE(style(f.lblRight) & SS_NOPREFIX) << "an & in a clip title shows as typed";
    EXPECT_EQ(style(f.cmdGo) & BS_TYPEMASK, DWORD{BS_OWNERDRAW});
    EXPECT_EQ(style(f.optA) & BS_TYPEMASK, DWORD{BS_RADIOBUTTON});
    EXPECT_EQ(style(f.chkG) & BS_TYPEMASK, DWORD{BS_OWNERDRAW});
    EXPECT_EQ(style(f.txtMulti) & (ES_MULTILINE | WS_VSCROLL), DWORD{ES_MULTILINE | WS_VSCROLL});
    EXPECT_FALSE(style(f.txtSingle) & ES_MULTILINE);
    EXPECT_TRUE(style(f.txtLocked) & ES_READONLY);
    EXPECT_EQ(SendMessageA(Win(f.txtSingle), EM_GETLIMITTEXT, 0, 0), 10);
    EXPECT_EQ(SendMessageA(Win(f.optA), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(Win(f.optB), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // Colours, read back from the screen: model RGB values and system colours.
    const SIZE label = ClientSize(Win(f.lblInfo));
    EXPECT_EQ(PixelAt(Win(f.lblInfo), 2, label.cy - 3), RGB(255, 255, 0));
    EXPECT_EQ(PixelAt(Win(f.lblRight), 2, 2), GetSysColor(COLOR_HIGHLIGHT));
    const SIZE go = ClientSize(Win(f.cmdGo));
    EXPECT_EQ(PixelAt(Win(f.cmdGo), 6, go.cy / 2), RGB(0, 160, 0));
    EXPECT_EQ(PixelAt(Hwnd(), PxX(5400), PxY(4000)), RGB(240, 240, 200));
    EXPECT_EQ(PixelAt(Win(f.fraBox), PxX(2500), PxY(450)), RGB(220, 220, 255));
    EXPECT_EQ(PixelAt(Win(f.picBox), PxX(1300), PxY(900)), RGB(255, 160, 0));
    const SIZE text = ClientSize(Win(f.txtSingle));
    EXPECT_EQ(PixelAt(Win(f.txtSingle), text.cx - 3, text.cy - 3), GetSysColor(COLOR_WINDOW));
    // A command button whose Value is set is drawn down (sunken), the others up.
    const SIZE down = ClientSize(Win(f.cmdDown));
    EXPECT_EQ(PixelAt(Win(f.cmdDown), 0, down.cy / 2), GetSysColor(COLOR_3DSHADOW));
    EXPECT_NE(PixelAt(Win(f.cmdGo), 0, go.cy / 2), GetSysColor(COLOR_3DSHADOW));
    // The stretched image fills its control: a quadrant per pixel of the 2 x 2 picture.
    const SIZE image = ClientSize(Win(f.imgStretch));
    EXPECT_EQ(PixelAt(Win(f.imgStretch), image.cx / 4, image.cy / 4), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(Win(f.imgStretch), 3 * image.cx / 4, image.cy / 4), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(Win(f.imgStretch), image.cx / 4, 3 * image.cy / 4), RGB(0, 0, 255));
    EXPECT_EQ(PixelAt(Win(f.imgStretch), 3 * image.cx / 4, 3 * image.cy / 4), RGB(0, 255, 0));
    // The plain one keeps its own size at the corner, on the form's background.
    EXPECT_EQ(PixelAt(Win(f.imgPlain), 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(Win(f.imgPlain), 1, 1), RGB(0, 255, 0));
    EXPECT_EQ(PixelAt(Win(f.imgPlain), 20, 20), RGB(240, 240, 200));

    // Labels and images stay below the windowed controls of their container.
    EXPECT_GT(ZIndex(Win(f.lblInfo)), ZIndex(Win(f.cmdGo)));
    EXPECT_GT(ZIndex(Win(f.imgPlain)), ZIndex(Win(f.filList)));

    // The tooltip of the label.
    HWND tips = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindToolTips, reinterpret_cast<LPARAM>(&tips));
    ASSERT_NE(tips, nullptr);
    char tip[64] = {};
    TTTOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = Hwnd();
    info.uId = reinterpret_cast<UINT_PTR>(Win(f.lblInfo));
    info.lpszText = tip;
    SendMessageA(tips, TTM_GETTEXTA, sizeof tip, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(tip, "A label");

    // The menu bar: popups, separators, checks, disabled entries and shortcut texts.
    HMENU bar = GetMenu(Hwnd());
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(MenuText(bar, 0), "&Edit");
    EXPECT_EQ(MenuText(bar, 1), "&Help");
    HMENU edit = GetSubMenu(bar, 0);
    ASSERT_EQ(GetMenuItemCount(edit), 4);
    EXPECT_EQ(MenuText(edit, 0), "&Copy\tCtrl+K");
    EXPECT_TRUE(GetMenuState(edit, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_TRUE(GetMenuState(edit, 2, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(edit, 3, MF_BYPOSITION) & MF_GRAYED);

    // The lists show what the folder browser gives.
    EXPECT_EQ(SendMessageA(Win(f.drvList), CB_GETCOUNT, 0, 0), f.drvList.ListCount());
    EXPECT_GT(f.drvList.ListCount(), 0);
    // The folder list: the folders from the root down to its path, which is selected, then the
    // sub-folders one step further in.
    const int subFolders = f.dirList.PathIndex() + 1;
    ASSERT_GE(subFolders, 2);
    ASSERT_EQ(SendMessageA(Win(f.dirList), LB_GETCOUNT, 0, 0), subFolders + 2);
    EXPECT_EQ(ListText(Win(f.dirList), 0), temp.Path().substr(0, 3));
    EXPECT_EQ(ListText(Win(f.dirList), subFolders - 1),
              std::string(2 * (subFolders - 1), ' ') +
                  temp.Path().substr(temp.Path().find_last_of('\\') + 1));
    EXPECT_EQ(SendMessageA(Win(f.dirList), LB_GETCURSEL, 0, 0), subFolders - 1);
    EXPECT_EQ(ListText(Win(f.dirList), subFolders), std::string(2 * subFolders, ' ') + "alpha");
    EXPECT_EQ(ListText(Win(f.dirList), subFolders + 1), std::string(2 * subFolders, ' ') + "beta");
    ASSERT_EQ(SendMessageA(Win(f.filList), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(ListText(Win(f.filList), 0), "one.txt");
    EXPECT_EQ(ListText(Win(f.filList), 1), "two.txt");

    // The client area in twips is the form's scale size (menu bar and frame excluded).
    const SIZE client = ClientSize(Hwnd());
    const forms::ScreenMetrics screen = host.Screen();
    EXPECT_NEAR(f.ScaleWidth(), TwX(client.cx), screen.twipsPerPixelX);
    EXPECT_NEAR(f.ScaleHeight(), TwY(client.cy), screen.twipsPerPixelY);
    RECT outer{};
    GetWindowRect(Hwnd(), &outer);
    EXPECT_EQ(outer.left, PxX(f.Left()));
    EXPECT_EQ(outer.right, PxX(f.Left() + f.Width()));

    const std::string folder = ScreenshotFolder();
    CreateDirectoryA(folder.c_str(), nullptr);
    EXPECT_TRUE(SaveScreenshot(Hwnd(), folder + "\\control-kinds.bmp"));
}

TEST_F(FormsHostTest, PropertyChangesReachTheWindowsAtOnce) {
    ShowForm();
    ControlKindsForm& f = *form;

    f.lblInfo.SetCaption("Changed");
    EXPECT_EQ(TextOf(Win(f.lblInfo)), "Changed");
    f.lblInfo.SetBackColor(forms::Rgb(0, 0, 255));
    EXPECT_EQ(PixelAt(Win(f.lblInfo), 2, ClientSize(Win(f.lblInfo)).cy - 3), RGB(0, 0, 255));
    f.lblInfo.SetFontBold(true);
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Win(f.lblInfo), WM_GETFONT, 0, 0)), sizeof font,
               &font);
    EXPECT_EQ(font.lfWeight, FW_BOLD);

    f.cmdGo.Move(2700, 180, 1455, 405);
    const RECT want = ExpectedRect(f.cmdGo);
    const RECT got = RectInParent(Win(f.cmdGo));
    EXPECT_TRUE(EqualRect(&want, &got));
    f.cmdGo.SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(Win(f.cmdGo)));
    f.cmdGo.SetVisible(true);
    f.cmdGo.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(Win(f.cmdGo)));

    // As loaded, the windowed controls of a parent lie above its labels and images, and within
    // each band a later control lies above an earlier one.
    const auto zIndex = [](HWND window) {
        int index = 0;
        while ((window = GetWindow(window, GW_HWNDPREV)) != nullptr) {
            ++index;
        }
        return index;
    };
    const auto light = [](const forms::Control& c) {
        return c.Kind() == forms::ControlKind::Label || c.Kind() == forms::ControlKind::Image;
    };
    int checked = 0;
    for (const auto& a : f.Controls()) {
        for (const auto& b : f.Controls()) {
            if (a.get() == b.get() || !Win(*a) || !Win(*b) ||
                GetParent(Win(*a)) != GetParent(Win(*b))) {
                continue;
            }
            const bool aFirst = &a < &b;
            if (light(*a) == light(*b)) {
                EXPECT_EQ(zIndex(Win(*a)) < zIndex(Win(*b)), !aFirst)
                    << a->Name() << " and " << b->Name();
            } else {
                EXPECT_EQ(zIndex(Win(*a)) < zIndex(Win(*b)), light(*b))
                    << a->Name() << " and " << b->Name();
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 20);

    // Bringing a label to the front raises it over the other labels but never over a windowed
    // control: the labels' band lies under the windowed one.
    f.lblRight.BringToFront();
    f.lblInfo.BringToFront();
    EXPECT_LT(zIndex(Win(f.lblInfo)), zIndex(Win(f.lblRight)));
    EXPECT_GT(zIndex(Win(f.lblInfo)), zIndex(Win(f.cmdGo)));
    EXPECT_GT(zIndex(Win(f.lblInfo)), zIndex(Win(f.cmdClose)));
    f.cmdClose.BringToFront();
    EXPECT_EQ(zIndex(Win(f.cmdClose)), 0);

    // Styles that only creation sets: the window is made again, with the same text and state.
    f.txtMulti.SetScrollBars(forms::ScrollBars::Both);
    EXPECT_TRUE(GetWindowLongPtrA(Win(f.txtMulti), GWL_STYLE) & WS_HSCROLL);
    EXPECT_EQ(TextOf(Win(f.txtMulti)), "line one\r\nline two");
    f.chkG.SetValue(1);
    f.chkG.SetStyle(forms::ButtonStyle::Standard);
    EXPECT_EQ(GetWindowLongPtrA(Win(f.chkG), GWL_STYLE) & BS_TYPEMASK, BS_CHECKBOX);
    EXPECT_EQ(SendMessageA(Win(f.chkG), BM_GETCHECK, 0, 0), BST_CHECKED);
    f.txtSingle.SetLocked(true);
    EXPECT_TRUE(GetWindowLongPtrA(Win(f.txtSingle), GWL_STYLE) & ES_READONLY);
    f.optB.SetValue(true);
    EXPECT_EQ(SendMessageA(Win(f.optA), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(Win(f.optB), BM_GETCHECK, 0, 0), BST_CHECKED);

    // A label brought to the front stays below the windowed controls.
    f.lblRight.BringToFront();
    EXPECT_LT(ZIndex(Win(f.lblRight)), ZIndex(Win(f.lblInfo)));
    EXPECT_GT(ZIndex(Win(f.lblRight)), ZIndex(Win(f.cmdGo)));

    f.mnuPaste.SetChecked(false);
    EXPECT_FALSE(GetMenuState(GetSubMenu(GetMenu(Hwnd()), 0), 2, MF_BYPOSITION) & MF_CHECKED);
    f.mnuCopy.SetCaption("&Copy all");
    EXPECT_EQ(MenuText(GetSubMenu(GetMenu(Hwnd()), 0), 0), "&Copy all\tCtrl+K");
    f.mnuHelp.SetVisible(false);
    EXPECT_EQ(GetMenuItemCount(GetMenu(Hwnd())), 1);

    f.imgPlain.SetPicture({});
    EXPECT_EQ(PixelAt(Win(f.imgPlain), 0, 0), RGB(240, 240, 200));
    f.SetBackColor(forms::Rgb(10, 20, 30));
    EXPECT_EQ(PixelAt(Hwnd(), PxX(5400), PxY(4000)), RGB(10, 20, 30));
    f.SetCaption("Renamed");
    EXPECT_EQ(TextOf(Hwnd()), "Renamed");

    // The form's hourglass shows at once under the pointer, over its controls too.
    HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
    MoveMouseTo(ScreenPointOf(Hwnd(), PxX(5400), PxY(4000)));
    PumpFor(host, 20);
    f.SetPointer(forms::MousePointer::Hourglass);
    EXPECT_EQ(GetCursor(), wait);
    MoveMouseTo(CenterOf(Win(f.txtSingle)));
    EXPECT_TRUE(PumpUntil(host, [&] { return GetCursor() == wait; }));
    f.SetPointer(forms::MousePointer::Default);
    EXPECT_NE(GetCursor(), wait);

    // A control added after the form loaded gets its window too.
    forms::Label& late = f.Add<forms::Label>("lblLate", -1, &f.fraBox);
    late.Move(1500, 300, 1200, 300);
    late.SetCaption("Late");
    ASSERT_NE(Win(late), nullptr);
    EXPECT_EQ(GetParent(Win(late)), Win(f.fraBox));
    EXPECT_EQ(TextOf(Win(late)), "Late");

    // The form's own size: the window follows and the form hears Resize.
    log.Clear();
    f.Move(f.Left(), f.Top(), f.Width() + 600, f.Height());
    RECT outer{};
    GetWindowRect(Hwnd(), &outer);
    EXPECT_EQ(outer.right, PxX(f.Left() + f.Width()));
    EXPECT_EQ(log.Count("Kinds", "Resize"), 1);
}

TEST_F(FormsHostTest, MouseClicksRaiseMouseEventsAndClick) {
    ShowForm();
    ControlKindsForm& f = *form;

    RECT label{};
    GetWindowRect(Win(f.lblInfo), &label);
    ClickAt({label.left + 20, label.top + 10});
    ASSERT_TRUE(WaitFor("lblInfo", "Click")) << log.Dump();
    const Event* down = log.Last("lblInfo", "MouseDown");
    ASSERT_NE(down, nullptr);
    EXPECT_EQ(down->button, static_cast<int>(MouseButton::Left));
    EXPECT_EQ(down->x, TwX(20));
    EXPECT_EQ(down->y, TwY(10));
    EXPECT_LT(log.Find("lblInfo", "MouseDown"), log.Find("lblInfo", "MouseUp"));
    EXPECT_LT(log.Find("lblInfo", "MouseUp"), log.Find("lblInfo", "Click"));

    // The right button raises the mouse events but never Click.
    ClickAt({label.left + 30, label.top + 12}, true);
    ASSERT_TRUE(WaitFor("lblInfo", "MouseUp", 2));
    EXPECT_EQ(log.Last("lblInfo", "MouseUp")->button, static_cast<int>(MouseButton::Right));
    EXPECT_EQ(log.Last("lblInfo", "MouseUp")->x, TwX(30));
    EXPECT_EQ(log.Count("lblInfo", "Click"), 1);
    PumpFor(host, GetDoubleClickTime() + 50);  // the next click starts afresh

    // A quick second click is a double click.
    ClickAt({label.left + 20, label.top + 10});
    ClickAt({label.left + 20, label.top + 10});
    ASSERT_TRUE(WaitFor("lblInfo", "DblClick")) << log.Dump();

    ClickAt(CenterOf(Win(f.cmdGo)));
    ASSERT_TRUE(WaitFor("cmdGo", "MouseUp"));
    EXPECT_EQ(log.Count("cmdGo", "Click"), 1);
    EXPECT_EQ(log.Count("cmdGo", "MouseDown"), 1);

    // Option buttons of a container exclude each other; the model raises Click.
    ClickAt(CenterOf(Win(f.optB)));
    ASSERT_TRUE(WaitFor("optB", "Click"));
    EXPECT_TRUE(f.optB.Value());
    EXPECT_FALSE(f.optA.Value());
    EXPECT_EQ(SendMessageA(Win(f.optA), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(Win(f.optB), BM_GETCHECK, 0, 0), BST_CHECKED);
    ClickAt(CenterOf(Win(f.optG2)));
    ASSERT_TRUE(WaitFor("optG2", "Click"));
    EXPECT_TRUE(f.optG2.Value());
    EXPECT_TRUE(f.optB.Value()) << "another container's group";

    ClickAt(CenterOf(Win(f.chkStd)));
    ASSERT_TRUE(WaitFor("chkStd", "Click"));
    EXPECT_EQ(f.chkStd.Value(), 1);
    EXPECT_EQ(SendMessageA(Win(f.chkStd), BM_GETCHECK, 0, 0), BST_CHECKED);
    ClickAt(CenterOf(Win(f.chkStd)));
    ASSERT_TRUE(WaitFor("chkStd", "Click", 2));
    EXPECT_EQ(f.chkStd.Value(), 0);

    // A graphical check box stays down while it is checked.
    ClickAt(CenterOf(Win(f.chkG)));
    ASSERT_TRUE(WaitFor("chkG", "Click"));
    EXPECT_EQ(f.chkG.Value(), 1);
    EXPECT_EQ(PixelAt(Win(f.chkG), 0, ClientSize(Win(f.chkG)).cy / 2), GetSysColor(COLOR_3DSHADOW));

    // The form's own client area.
    ClickAt(ScreenPointOf(Hwnd(), PxX(5400), PxY(4000)));
    ASSERT_TRUE(WaitFor("Kinds", "Click"));
    EXPECT_EQ(log.Last("Kinds", "MouseDown")->x, TwX(PxX(5400)));

    // A picture box takes the focus when clicked.
    ClickAt(CenterOf(Win(f.picBox)));
    ASSERT_TRUE(WaitFor("picBox", "Click"));
    EXPECT_EQ(log.Count("picBox", "GotFocus"), 1);
    EXPECT_EQ(GetFocus(), Win(f.picBox));
    EXPECT_EQ(host.FocusedControl(), &f.picBox);
}

TEST_F(FormsHostTest, KeysGoThroughTheFormsKeyPreview) {
    ShowForm();
    ControlKindsForm& f = *form;
    f.txtSingle.SetFocus();
    EXPECT_EQ(GetFocus(), Win(f.txtSingle));
    f.txtSingle.SetSelStart(5);
    log.Clear();

    TypeText("ab");
    ASSERT_TRUE(PumpUntil(host, [&] { return f.txtSingle.Text() == "helloAB"; }))
        << f.txtSingle.Text() << '\n'
        << log.Dump();
    EXPECT_EQ(TextOf(Win(f.txtSingle)), "helloAB");
    EXPECT_LT(log.Find("Kinds", "KeyDown"), log.Find("txtSingle", "KeyDown"));
    EXPECT_EQ(log.All()[static_cast<size_t>(log.Find("txtSingle", "KeyDown"))].code, 'A');
    EXPECT_LT(log.Find("Kinds", "KeyPress"), log.Find("txtSingle", "KeyPress"));
    EXPECT_EQ(log.All()[static_cast<size_t>(log.Find("txtSingle", "KeyPress"))].code, 'a');
    EXPECT_LT(log.Find("Kinds", "KeyUp"), log.Find("txtSingle", "KeyUp"));
    EXPECT_GE(log.Count("txtSingle", "Change"), 2);

    // The form's preview swallows F2 (no KeyDown on the control) and '#' (nothing typed).
    log.Clear();
    PressKey(VK_F2);
    ASSERT_TRUE(WaitFor("txtSingle", "KeyUp"));
    EXPECT_EQ(log.Count("Kinds", "KeyDown"), 1);
    EXPECT_EQ(log.Count("txtSingle", "KeyDown"), 0);
    log.Clear();
    TypeText("#");
    ASSERT_TRUE(WaitFor("Kinds", "KeyPress"));
    ASSERT_TRUE(PumpUntil(host, [&] { return log.Count("Kinds", "KeyUp") >= 2; }));
    EXPECT_EQ(log.Count("txtSingle", "KeyPress"), 0);
    EXPECT_EQ(f.txtSingle.Text(), "helloAB");

    // MaxLength holds for typing.
    TypeText("cdefgh");
    ASSERT_TRUE(PumpUntil(host, [&] { return log.Count("txtSingle", "KeyUp") >= 6 + 2; }));
    EXPECT_EQ(f.txtSingle.Text(), "helloABCDE");

    // The selection both ways.
    f.txtSingle.SetSelStart(1);
    f.txtSingle.SetSelLength(3);
    DWORD from = 0;
    DWORD to = 0;
    SendMessageA(Win(f.txtSingle), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                 reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 1u);
    EXPECT_EQ(to, 4u);
    EXPECT_EQ(f.txtSingle.SelText(), "ell");
    PressKey(VK_HOME);
    PressKey(VK_END, {VK_SHIFT});
    ASSERT_TRUE(PumpUntil(host, [&] { return f.txtSingle.SelLength() == 10; }));
    EXPECT_EQ(f.txtSingle.SelStart(), 0);
    f.txtSingle.SetSelText("new");
    EXPECT_EQ(TextOf(Win(f.txtSingle)), "new");

    // Tab and Shift+Tab move the focus in tab order; the Tab itself reaches no control.
    log.Clear();
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitFor("txtMulti", "GotFocus"));
    EXPECT_EQ(GetFocus(), Win(f.txtMulti));
    EXPECT_EQ(log.Count("txtSingle", "LostFocus"), 1);
    EXPECT_EQ(log.Count("txtSingle", "KeyDown") + log.Count("txtMulti", "KeyDown"), 0);
    EXPECT_EQ(f.txtMulti.Text(), "line one\r\nline two");
    PressKey(VK_TAB, {VK_SHIFT});
    ASSERT_TRUE(WaitFor("txtSingle", "GotFocus"));
    EXPECT_EQ(host.FocusedControl(), &f.txtSingle);

    // A locked box hears the keys but keeps its text.
    f.txtLocked.SetFocus();
    log.Clear();
    TypeText("z");
    ASSERT_TRUE(WaitFor("txtLocked", "KeyUp"));
    EXPECT_EQ(log.Count("txtLocked", "KeyPress"), 1);
    EXPECT_EQ(f.txtLocked.Text(), "read only");
}

TEST_F(FormsHostTest, KeysChooseTheFocusedButtonAsAClickDoes) {
    ShowForm();
    ControlKindsForm& f = *form;
    f.chkStd.SetFocus();
    log.Clear();
    KeyDown(VK_SPACE);
    PumpFor(host, 100);
    EXPECT_EQ(f.chkStd.Value(), 0) << "a button is chosen when Space comes up";
    KeyUp(VK_SPACE);
    ASSERT_TRUE(WaitFor("chkStd", "Click")) << log.Dump();
    EXPECT_EQ(f.chkStd.Value(), 1);
    EXPECT_EQ(SendMessageA(Win(f.chkStd), BM_GETCHECK, 0, 0), BST_CHECKED);

    f.optB.SetFocus();
    PressKey(VK_SPACE);
    ASSERT_TRUE(WaitFor("optB", "Click")) << log.Dump();
    EXPECT_TRUE(f.optB.Value());
    EXPECT_FALSE(f.optA.Value());

    f.cmdGo.SetFocus();
    PressKey(VK_SPACE);
    ASSERT_TRUE(WaitFor("cmdGo", "Click")) << log.Dump();
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor("cmdGo", "Click", 2)) << log.Dump();
    EXPECT_EQ(log.Count("cmdGo", "MouseUp"), 0) << "no mouse event from the keyboard";
}

TEST_F(FormsHostTest, TheReleaseOfAKeyWhosePressClosedADialogIsSwallowedOnce) {
    ShowForm();
    DialogForm dialog(host, log);
    const HWND main = Hwnd();
    // The user, on another thread: Enter on the dialog's OK button (its first control, which
    // has the focus), pressed and released as a hand does.
    std::thread user([] {
        for (int i = 0; i < 500; ++i) {
            HWND box = FindWindowA("MirvoForm", "Dialog");
            if (box && IsWindowVisible(box) && GetForegroundWindow() == box) {
                break;
            }
            Sleep(10);
        }
        Sleep(100);
        KeyDown(VK_RETURN);
        Sleep(150);
        KeyUp(VK_RETURN);
    });
    dialog.Show(forms::ShowMode::Modal);
    user.join();
    ASSERT_TRUE(PumpUntil(host, [&] { return GetForegroundWindow() == main; }));
    PumpFor(host, 300);
    EXPECT_EQ(log.Count("cmdOk", "Click"), 1) << log.Dump();
    for (const Event& e : log.All()) {
        EXPECT_FALSE(e.source == "Kinds" && e.name == "KeyUp" && e.code == VK_RETURN)
            << "the release of the Enter that closed the dialog reached the window below";
    }
    EXPECT_EQ(host.SwallowKeyUp(), 0);

    // The next Enter comes up here as always.
    form->txtSingle.SetFocus();
    PressKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil(host, [&] {
        const Event* up = log.Last("Kinds", "KeyUp");
        return up && up->code == VK_RETURN;
    })) << log.Dump();
}

TEST_F(FormsHostTest, TimersTickWhileRunning) {
    ShowForm();
    forms::Timer& timer = form->tmr;
    timer.SetInterval(30);
    timer.SetEnabled(true);
    ASSERT_TRUE(WaitFor("tmr", "Timer", 3));
    timer.SetEnabled(false);
    const int ticks = log.Count("tmr", "Timer");
    PumpFor(host, 150);
    EXPECT_EQ(log.Count("tmr", "Timer"), ticks);
    timer.SetInterval(20);
    timer.SetEnabled(true);
    ASSERT_TRUE(WaitFor("tmr", "Timer", ticks + 2));
}

TEST_F(FormsHostTest, ListsReportTheUsersChoice) {
    ShowForm();
    ControlKindsForm& f = *form;

    RECT item{};
    SendMessageA(Win(f.filList), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    ClickAt(ScreenPointOf(Win(f.filList), item.left + 10, (item.top + item.bottom) / 2));
    ASSERT_TRUE(WaitFor("filList", "Click")) << log.Dump();
    EXPECT_EQ(f.filList.ListIndex(), 1);
    EXPECT_EQ(f.filList.FileName(), "two.txt");

    // A double-clicked folder becomes the folder list's path: a sub-folder, or one on the way up.
    auto doubleClick = [&](int entry) {
        SendMessageA(Win(f.dirList), LB_GETITEMRECT, static_cast<WPARAM>(entry),
                     reinterpret_cast<LPARAM>(&item));
        const POINT at =
            ScreenPointOf(Win(f.dirList), item.left + 10, (item.top + item.bottom) / 2);
        log.Clear();
        ClickAt(at);
        ClickAt(at);
        return WaitFor("dirList", "Change");
    };
    const int alpha = f.dirList.PathIndex() + 1;
    ASSERT_TRUE(doubleClick(alpha)) << log.Dump();
    EXPECT_EQ(f.dirList.Path(), temp.Path() + "\\alpha");
    ASSERT_EQ(SendMessageA(Win(f.dirList), LB_GETCOUNT, 0, 0), alpha + 2);
    EXPECT_EQ(ListText(Win(f.dirList), alpha + 1), std::string(2 * (alpha + 1), ' ') + "inner");
    ASSERT_TRUE(doubleClick(alpha - 1)) << log.Dump();
    EXPECT_EQ(f.dirList.Path(), temp.Path());
    ASSERT_TRUE(doubleClick(0)) << log.Dump();
    EXPECT_EQ(f.dirList.Path(), temp.Path().substr(0, 3)) << "the root keeps its separator";

    // Choosing another drive sets Drive.
    ASSERT_GE(f.drvList.ListCount(), 2) << "Wine has c: and z:";
    f.drvList.SetDrive(f.drvList.List(0));
    f.drvList.SetFocus();
    log.Clear();
    PressKey(VK_DOWN);
    ASSERT_TRUE(WaitFor("drvList", "Change"));
    EXPECT_EQ(f.drvList.Drive(), f.drvList.List(1));
    EXPECT_EQ(SendMessageA(Win(f.drvList), CB_GETCURSEL, 0, 0), 1);
}

TEST_F(FormsHostTest, MenusRaiseClickWhenOpenedAndChosen) {
    ShowForm();
    ControlKindsForm& f = *form;
    f.txtSingle.SetFocus();
    log.Clear();

    // Alt+E opens the Edit menu, Enter chooses its first entry; all queued before the menu's
    // own loop runs.
    PressKey('E', {VK_MENU});
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor("mnuCopy", "Click")) << log.Dump();
    EXPECT_LT(log.Find("mnuEdit", "Click"), log.Find("mnuCopy", "Click"));

    // A shortcut runs the entry (after its menu's Click) instead of reaching the control.
    log.Clear();
    PressKey('K', {VK_CONTROL});
    ASSERT_TRUE(WaitFor("mnuCopy", "Click"));
    EXPECT_LT(log.Find("mnuEdit", "Click"), log.Find("mnuCopy", "Click"));
    for (const Event& e : log.All()) {
        EXPECT_FALSE(e.source == "txtSingle" && e.name == "KeyDown" && e.code == 'K')
            << "the shortcut's key reached the control";
    }
    EXPECT_EQ(log.Count("txtSingle", "KeyPress"), 0);

    // A disabled entry's shortcut does nothing.
    log.Clear();
    PressKey('J', {VK_CONTROL});
    ASSERT_TRUE(WaitFor("txtSingle", "KeyUp"));
    EXPECT_EQ(log.Count("mnuOff", "Click"), 0);
}

TEST_F(FormsHostTest, DragsDropOnTheControlUnderThePointer) {
    ShowForm();
    ControlKindsForm& f = *form;

    auto drag = [&](bool right, POINT to) {
        MoveMouseTo(CenterOf(Win(f.cmdDrag)));
        SetMouseButton(right, true);
        EXPECT_TRUE(WaitFor("cmdDrag", "MouseDown"));
        const POINT start = CenterOf(Win(f.cmdDrag));
        MoveMouseTo({(start.x + to.x) / 2, (start.y + to.y) / 2});
        PumpFor(host, 30);
        MoveMouseTo(to);
        PumpFor(host, 30);
        SetMouseButton(right, false);
    };

    // Left button: over the picture box, dropped at a point of its client area.
    drag(false, ScreenPointOf(Win(f.picBox), 40, 50));
    ASSERT_TRUE(WaitFor("picBox", "DragDrop")) << log.Dump();
    const Event* drop = log.Last("picBox", "DragDrop");
    EXPECT_EQ(drop->other, "cmdDrag");
    EXPECT_EQ(drop->x, TwX(40));
    EXPECT_EQ(drop->y, TwY(50));
    const int enter = log.Find("picBox", "DragOver");
    ASSERT_GE(enter, 0);
    EXPECT_EQ(log.All()[static_cast<size_t>(enter)].code,
              static_cast<int>(forms::DragState::Enter));
    EXPECT_EQ(log.All()[static_cast<size_t>(enter)].other, "cmdDrag");
    EXPECT_EQ(log.Count("cmdDrag", "Click"), 0) << "a drag is no click";
    EXPECT_EQ(GetCapture(), nullptr);

    // Right button, onto a label: leaving the picture box on the way is reported too.
    log.Clear();
    RECT label{};
    GetWindowRect(Win(f.lblInfo), &label);
    drag(true, {label.left + 25, label.top + 15});
    ASSERT_TRUE(WaitFor("lblInfo", "DragDrop")) << log.Dump();
    EXPECT_EQ(log.Last("lblInfo", "DragDrop")->other, "cmdDrag");
    EXPECT_EQ(log.Last("lblInfo", "DragDrop")->x, TwX(25));
    EXPECT_EQ(log.Last("lblInfo", "DragDrop")->y, TwY(15));
    const Event* left = log.Last("cmdDrag", "DragOver");
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->code, static_cast<int>(forms::DragState::Leave));

    // Onto the form itself.
    log.Clear();
    drag(false, ScreenPointOf(Hwnd(), PxX(5400), PxY(4000)));
    ASSERT_TRUE(WaitFor("Kinds", "DragDrop")) << log.Dump();
    EXPECT_EQ(log.Last("Kinds", "DragDrop")->x, TwX(PxX(5400)));

    // Escape cancels: no drop.
    log.Clear();
    MoveMouseTo(CenterOf(Win(f.cmdDrag)));
    SetMouseButton(false, true);
    ASSERT_TRUE(WaitFor("cmdDrag", "MouseDown"));
    MoveMouseTo(CenterOf(Win(f.picBox)));
    ASSERT_TRUE(WaitFor("picBox", "DragOver"));
    PressKey(VK_ESCAPE);
    PumpFor(host, 50);
    SetMouseButton(false, false);
    PumpFor(host, 100);
    EXPECT_EQ(log.Count("picBox", "DragDrop"), 0);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FormsHostTest, ShowRaisesLoadResizeActivateThenFocusesTheFirstControl) {
    form->Show();
    ASSERT_TRUE(WaitFor("cmdGo", "GotFocus")) << log.Dump();
    const int load = log.Find("Kinds", "Load");
    const int resize = log.Find("Kinds", "Resize");
    const int activate = log.Find("Kinds", "Activate");
    EXPECT_GE(load, 0);
    EXPECT_LT(load, resize);
    EXPECT_LT(resize, activate);
    EXPECT_LT(activate, log.Find("cmdGo", "GotFocus"));
    EXPECT_EQ(log.Count("Kinds", "Load"), 1);
    EXPECT_EQ(log.Count("Kinds", "Activate"), 1);
    EXPECT_EQ(host.FocusedControl(), &form->cmdGo);
    ASSERT_EQ(host.LoadedForms().size(), 1u);
    EXPECT_EQ(host.LoadedForms()[0], form.get());
    EXPECT_TRUE(IsWindowVisible(Hwnd()));
}

TEST_F(FormsHostTest, QueryUnloadCanRefuseTheUsersClose) {
    ShowForm();
    const HWND window = Hwnd();
    form->refuseUnload = true;
    PressKey(VK_F4, {VK_MENU});
    ASSERT_TRUE(WaitFor("Kinds", "QueryUnload")) << log.Dump();
    EXPECT_EQ(log.Last("Kinds", "QueryUnload")->code,
              static_cast<int>(forms::UnloadMode::FormControlMenu));
    EXPECT_EQ(log.Count("Kinds", "Unload"), 0);
    EXPECT_TRUE(form->Loaded());
    EXPECT_TRUE(IsWindowVisible(window));

    form->refuseUnload = false;
    PressKey(VK_F4, {VK_MENU});
    ASSERT_TRUE(WaitFor("Kinds", "Unload"));
    EXPECT_FALSE(form->Loaded());
    EXPECT_TRUE(host.LoadedForms().empty());
    EXPECT_EQ(host.Handle(*form), 0u);
    EXPECT_TRUE(PumpUntil(host, [&] { return !IsWindow(window); }));
}

TEST_F(FormsHostTest, UnloadFromItsOwnButtonDestroysTheWindowsAfterTheHandler) {
    ShowForm();
    const HWND window = Hwnd();
    const HWND button = Win(form->cmdClose);
    ClickAt(CenterOf(button));
    ASSERT_TRUE(WaitFor("Kinds", "Unload")) << log.Dump();
    EXPECT_EQ(log.Last("Kinds", "QueryUnload")->code, static_cast<int>(forms::UnloadMode::Code));
    EXPECT_TRUE(PumpUntil(host, [&] { return !IsWindow(window) && !IsWindow(button); }));
    // The form loads again with new windows.
    form->Show();
    EXPECT_TRUE(IsWindowVisible(Hwnd()));
    EXPECT_NE(Hwnd(), window);
}

TEST_F(FormsHostTest, ReleasingALoadedFormDropsItsWindowsWithoutEvents) {
    ShowForm();
    const HWND window = Hwnd();
    form.reset();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(host.LoadedForms().empty());
    EXPECT_EQ(log.Count("Kinds", "QueryUnload"), 0);
    EXPECT_EQ(host.FocusedControl(), nullptr);
}

TEST_F(FormsHostTest, ModalShowWaitsUntilTheDialogUnloads) {
    ShowForm();
    DialogForm dialog(host, log);
    dialog.refusals = 1;
    const HWND main = Hwnd();
    std::atomic<bool> mainDisabled{false};
    std::atomic<bool> keptAfterClose{false};
    // The user, on another thread: closes the dialog from its title bar (refused), then
    // presses its OK button.
    std::thread user([&] {
        auto waitFor = [](const std::function<bool()>& condition) {
            for (int i = 0; i < 500 && !condition(); ++i) {
                Sleep(10);
            }
            return condition();
        };
        HWND box = nullptr;
        waitFor([&] {
            box = FindWindowA("MirvoForm", "Dialog");
            return box && IsWindowVisible(box) && GetForegroundWindow() == box;
        });
        mainDisabled = !IsWindowEnabled(main);
        PressKey(VK_F4, {VK_MENU});
        keptAfterClose = waitFor([&] { return TextOf(box) == "Dialog kept"; });
        HWND ok = FindWindowExA(box, nullptr, "BUTTON", "OK");
        ClickAt(CenterOf(ok));
    });
    dialog.Show(forms::ShowMode::Modal);
    log.Add("test", "ShowReturned");
    user.join();

    EXPECT_TRUE(mainDisabled);
    EXPECT_TRUE(keptAfterClose);
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_TRUE(IsWindowEnabled(main));
    const int refused = log.Find("Dialog", "QueryUnload");
    ASSERT_GE(refused, 0) << log.Dump();
    EXPECT_EQ(log.All()[static_cast<size_t>(refused)].code,
              static_cast<int>(forms::UnloadMode::FormControlMenu));
    EXPECT_LT(refused, log.Find("cmdOk", "Click"));
    EXPECT_LT(log.Find("cmdOk", "Click"), log.Find("Dialog", "Unload"));
    EXPECT_LT(log.Find("Dialog", "Unload"), log.Find("test", "ShowReturned"));
    EXPECT_TRUE(PumpUntil(host, [&] { return GetForegroundWindow() == main; }));
    // The main form gave the activation to the dialog and got it back.
    const int deactivated = log.Find("Kinds", "Deactivate");
    ASSERT_GE(deactivated, 0) << log.Dump();
    EXPECT_LT(deactivated, log.Find("cmdOk", "Click"));
    EXPECT_GT(log.Find("Kinds", "Activate", deactivated), log.Find("Dialog", "Unload"));
}

TEST_F(FormsHostTest, WindowStateGoesBothWays) {
    ControlKindsForm& f = *form;
    const int width = f.Width();  // not a whole number of pixels
    ShowForm();
    EXPECT_EQ(f.Width(), width) << "showing reads the window back without drift";
    RECT normal{};
    GetWindowRect(Hwnd(), &normal);

    f.SetWindowState(forms::WindowState::Maximized);
    ASSERT_TRUE(PumpUntil(host, [&] { return IsZoomed(Hwnd()) != FALSE; }));
    EXPECT_GE(log.Count("Kinds", "Resize"), 1);
    EXPECT_GT(f.Width(), width) << "the model follows the maximized window";
    f.SetWindowState(forms::WindowState::Normal);
    ASSERT_TRUE(PumpUntil(host, [&] { return !IsZoomed(Hwnd()) && !IsIconic(Hwnd()); }));
    RECT restored{};
    GetWindowRect(Hwnd(), &restored);
    EXPECT_TRUE(EqualRect(&normal, &restored));
    EXPECT_EQ(f.Width(), width) << "no drift through pixels";
    f.SetWindowState(forms::WindowState::Minimized);
    ASSERT_TRUE(PumpUntil(host, [&] { return IsIconic(Hwnd()) != FALSE; }));

    // The user restores and minimizes the window: the model hears it, with Resize.
    ShowWindow(Hwnd(), SW_RESTORE);
    ASSERT_TRUE(PumpUntil(host, [&] { return f.WindowState() == forms::WindowState::Normal; }));
    log.Clear();
    ShowWindow(Hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(PumpUntil(host, [&] { return f.WindowState() == forms::WindowState::Minimized; }));
    EXPECT_EQ(log.Count("Kinds", "Resize"), 1);

    // A state set before the form shows is the state it shows in.
    DialogForm dialog(host, log);
    dialog.SetWindowState(forms::WindowState::Maximized);
    dialog.Show();
    const HWND box = reinterpret_cast<HWND>(dialog.hWnd());
    EXPECT_TRUE(IsZoomed(box));
    // Out of the taskbar: owned by a hidden window; a fixed dialog frame.
    EXPECT_NE(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_EQ(GetWindow(Hwnd(), GW_OWNER), nullptr);
    EXPECT_TRUE(GetWindowLongPtrA(box, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    EXPECT_FALSE(GetWindowLongPtrA(box, GWL_STYLE) & WS_THICKFRAME);
    dialog.Unload();
}

TEST_F(FormsHostTest, UserMovesAndSizesFlowBackInTwips) {
    ControlKindsForm& f = *form;
    const int width = f.Width();
    ShowForm();
    SetWindowPos(Hwnd(), nullptr, 101, 83, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(PumpUntil(host, [&] { return f.Left() == TwX(101); }));
    EXPECT_EQ(f.Top(), TwY(83));
    EXPECT_EQ(f.Width(), width);
    EXPECT_EQ(log.Count("Kinds", "Resize"), 0);

    RECT r{};
    GetWindowRect(Hwnd(), &r);
    SetWindowPos(Hwnd(), nullptr, 0, 0, r.right - r.left + 40, r.bottom - r.top + 20,
                 SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(WaitFor("Kinds", "Resize"));
    EXPECT_EQ(PxX(f.Left() + f.Width()), r.right + 40);
    EXPECT_NEAR(f.ScaleWidth(), TwX(ClientSize(Hwnd()).cx), host.Screen().twipsPerPixelX);
}

TEST_F(FormsHostTest, SetFocusAcceptsWhatCanTakeTheFocus) {
    ShowForm();
    ControlKindsForm& f = *form;
    EXPECT_THROW(f.txtHidden.SetFocus(), forms::InvalidFocus);
    EXPECT_THROW(f.lblInfo.SetFocus(), forms::InvalidFocus);
    f.cmdGo.SetEnabled(false);
    EXPECT_THROW(f.cmdGo.SetFocus(), forms::InvalidFocus);

    // Visible but outside the form: it takes the focus, and the keys.
    f.holdfocus.SetFocus();
    EXPECT_EQ(GetFocus(), Win(f.holdfocus));
    EXPECT_EQ(host.FocusedControl(), &f.holdfocus);
    EXPECT_EQ(log.Count("holdfocus", "GotFocus"), 1);
    PressKey('Q');
    ASSERT_TRUE(WaitFor("holdfocus", "KeyUp"));
    EXPECT_EQ(log.Last("holdfocus", "KeyDown")->code, 'Q');
    EXPECT_EQ(log.Last("holdfocus", "KeyPress")->code, 'q');

    f.Hide();
    EXPECT_FALSE(IsWindowVisible(Hwnd()));
    EXPECT_THROW(f.txtSingle.SetFocus(), forms::InvalidFocus);
}

TEST_F(FormsHostTest, MessageBoxIsModalAndReturnsTheAnswer) {
    ShowForm();
    const HWND main = Hwnd();
    std::atomic<bool> mainDisabled{false};
    std::thread user([&] {
        HWND box = nullptr;
        for (int i = 0; i < 500; ++i) {
            box = FindWindowA("#32770", "Question");
            if (box && GetForegroundWindow() == box) {
                break;
            }
            Sleep(10);
        }
        mainDisabled = !IsWindowEnabled(main);
        PressKey('N');
    });
    const forms::MsgResult answer =
        host.MsgBox("Go on?", forms::MsgStyle::YesNo | forms::MsgStyle::Question, "Question");
    user.join();
    EXPECT_EQ(answer, forms::MsgResult::No);
    EXPECT_TRUE(mainDisabled);
    EXPECT_TRUE(IsWindowEnabled(main));
}

TEST_F(FormsHostTest, AFailingHandlerEndsOnlyItself) {
    std::vector<std::string> errors;
    host.SetErrorHandler([&](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            errors.push_back(e.what());
        }
    });
    ShowForm();
    ControlKindsForm& f = *form;
    f.cmdGo.OnClick.Take();
    f.cmdGo.OnClick = [] { throw std::runtime_error("handler failed"); };
    ClickAt(CenterOf(Win(f.cmdGo)));
    ASSERT_TRUE(WaitFor("cmdGo", "MouseUp"));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "handler failed");
    ClickAt(CenterOf(Win(f.cmdGo)));
    ASSERT_TRUE(WaitFor("cmdGo", "MouseUp", 2));
    EXPECT_EQ(errors.size(), 2u) << "the window goes on serving events";

    // A folder gone since it was listed: the list reports the error and keeps its path.
    RemoveDirectoryA((temp.Path() + "\\beta").c_str());
    RECT item{};
    const int listed = SendMessageA(Win(f.dirList), LB_GETCOUNT, 0, 0);
    ASSERT_EQ(listed, f.dirList.PathIndex() + 3) << "the way down to the path, alpha and beta";
    SendMessageA(Win(f.dirList), LB_SETTOPINDEX, static_cast<WPARAM>(listed - 1), 0);
    SendMessageA(Win(f.dirList), LB_GETITEMRECT, static_cast<WPARAM>(listed - 1),
                 reinterpret_cast<LPARAM>(&item));
    const POINT beta = ScreenPointOf(Win(f.dirList), item.left + 10, (item.top + item.bottom) / 2);
    ClickAt(beta);
    ClickAt(beta);
    ASSERT_TRUE(PumpUntil(host, [&] { return errors.size() == 3; }));
    EXPECT_EQ(f.dirList.Path(), temp.Path());
    EXPECT_EQ(SendMessageA(Win(f.dirList), LB_GETCOUNT, 0, 0), listed);
}

TEST_F(FormsHostTest, RunReturnsWhenTheLastFormUnloads) {
    ShowForm();
    form->tmr.OnTimer.Take();
    form->tmr.OnTimer = [&] { form->Unload(); };
    form->tmr.SetInterval(20);
    form->tmr.SetEnabled(true);
    EXPECT_EQ(host.Run(), 0);
    EXPECT_FALSE(form->Loaded());
    EXPECT_EQ(host.Run(), 0) << "nothing loaded: returns at once";
}

TEST(Win32FormsHostMetrics, ScreenAndFrameSizesComeFromTheSystem) {
    win32::Win32FolderBrowser browser;
    Win32FormsHost host(GetModuleHandleA(nullptr), browser);
    const int dpiX = ScreenDpi(LOGPIXELSX);
    const forms::ScreenMetrics screen = host.Screen();
    EXPECT_EQ(screen.twipsPerPixelX, MulDiv(1, 1440, dpiX));
    EXPECT_EQ(screen.widthTwips, MulDiv(GetSystemMetrics(SM_CXSCREEN), 1440, dpiX));

    EventLog log;
    DialogForm form(host, log);
    form.SetBorder(forms::BorderStyle::None);
    EXPECT_EQ(host.NonClientWidth(form), 0);
    EXPECT_EQ(host.NonClientHeight(form), 0);
    form.SetBorder(forms::BorderStyle::Sizable);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, FALSE, 0);
    EXPECT_EQ(host.NonClientHeight(form),
              MulDiv(frame.bottom - frame.top, 1440, ScreenDpi(LOGPIXELSY)));
    form.AddMenu("mnuFile").SetCaption("&File");
    EXPECT_GT(host.NonClientHeight(form),
              MulDiv(frame.bottom - frame.top, 1440, ScreenDpi(LOGPIXELSY)))
        << "the menu bar is outside the client area";
    // Without caption, control box and buttons there is no title bar.
    DialogForm bare(host, log);
    bare.SetCaption("");
    bare.SetControlBox(false);
    bare.SetMinButton(false);
    bare.SetMaxButton(false);
    bare.SetBorder(forms::BorderStyle::FixedSingle);
    EXPECT_LT(host.NonClientHeight(bare),
              MulDiv(GetSystemMetrics(SM_CYCAPTION), 1440, ScreenDpi(LOGPIXELSY)));
}

TEST(Win32FormsHostMetrics, AFormReducedToNoHeightKeepsItsTitleBarAndBorders) {
    // The program measures its caption height this way at start.
    win32::Win32FolderBrowser browser;
    Win32FormsHost host(GetModuleHandleA(nullptr), browser);
    EventLog log;
    DialogForm form(host, log);
    form.SetBorder(forms::BorderStyle::Sizable);
    form.Load();
    form.SetHeight(0);
    EXPECT_GT(form.Height(), 0);
    RECT r{};
    GetWindowRect(reinterpret_cast<HWND>(form.hWnd()), &r);
    EXPECT_EQ(form.Height(), MulDiv(r.bottom - r.top, 1440, ScreenDpi(LOGPIXELSY)));
    EXPECT_GE(r.bottom - r.top, GetSystemMetrics(SM_CYCAPTION));
    form.Unload();
}

TEST(Win32FormsHostDeathTest, EndEndsTheProcessWithItsCode) {
    EXPECT_EXIT(
        {
            win32::Win32FolderBrowser browser;
            Win32FormsHost host(GetModuleHandleA(nullptr), browser);
            host.End(3);
        },
        ::testing::ExitedWithCode(3), "");
}

}  // namespace
}  // namespace mirvo::wintest
