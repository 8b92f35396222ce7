#pragma once

#include <windows.h>

#include <memory>
#include <set>
#include <vector>

#include "forms/Control.h"
#include "forms/Form.h"
#include "win32/Handles.h"
#include "win32/host/DragTracker.h"
#include "win32/host/GdiCache.h"
#include "win32/host/Twips.h"
#include "win32/host/Win32FormsHost.h"

namespace mirvo::win32 {

class FormWindow;

// The host's state, shared by the windows it creates: the scale and GDI objects, the loaded
// forms' windows, the focused control and active form, the modal shows and the drag.
struct Win32FormsHost::Impl {
    Impl(Win32FormsHost& api, HINSTANCE instance);
    ~Impl();
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    Win32FormsHost& api;
    HINSTANCE instance;
    TwipsScale scale;
    GdiCache gdi;
    LibraryHandle uxtheme;
    // The hidden owner of the forms that stay out of the taskbar.
    OwnedWindow owner;
    DragTracker drag;
    // Loaded forms in load order; unloaded ones wait in the graveyard until none of their windows
    // is handling a message.
    std::vector<std::unique_ptr<FormWindow>> forms;
    std::vector<std::unique_ptr<FormWindow>> graveyard;
    std::set<const forms::Form*> unloading;
    forms::Control* focus = nullptr;
    // Counts the model's focus changes, so that SetFocus tells a window that could not take the
    // focus from one whose focus events moved it on.
    unsigned focusMoves = 0;
    forms::Form* active = nullptr;
    struct ModalShow {
        const forms::Form* form;
        std::vector<HWND> disabled;  // the other forms' windows this show disabled
    };
    std::vector<ModalShow> modal;

    FormWindow* Find(const forms::Form& form) const;

    // Showing a hidden form, or bringing a shown one to the front, with Resize and Activate.
    void ShowForm(forms::Form& form, bool modal);
    // Cuts a form off its windows (no more events), hides them and destroys them once idle.
    void Teardown(const forms::Form& form);
    // Destroys the unloaded forms' windows that are idle.
    void Sweep();
    // Waits for and dispatches one message; false on WM_QUIT (left in the queue).
    bool PumpMessage();

    // From the windows.
    void NativeFocus(forms::Control& control);
    void FormActivated(FormWindow& window);
    void FormDeactivated(FormWindow& window, HWND next);

    // Disables the loaded forms' windows but keep; returns those it disabled.
    std::vector<HWND> DisableFormsExcept(HWND keep) const;
    static void Reenable(std::vector<HWND>& windows);
    // The windows a modal show of the form disabled come back (before the form hides).
    void EndModal(const forms::Form& form);
    // The window of the active form, for owning message boxes.
    HWND ActiveFormWindow() const;
    // Plain drawing for a control whose colours visual styles would ignore.
    void TurnOffVisualStyle(HWND window) const;
};

}  // namespace mirvo::win32
