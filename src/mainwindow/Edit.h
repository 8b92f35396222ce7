#pragma once

#include <memory>

#include "panels/MainForm.h"

namespace mirvo {

class App;

// The main window: the program's one permanent window. Its controls come from MainForm; this
// class adds the form's own events and connects every control event to its handler
// (EditEvents.cpp).
class Edit : public MainForm {
public:
    explicit Edit(App& app);

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_KeyUp(int& keyCode, int shift) override;
    void Form_KeyPress(int& keyAscii) override;
    void Form_QueryUnload(int& cancel, forms::UnloadMode mode) override;
    void Form_Unload(int& cancel) override;

private:
    void ConnectEvents();
};

// Makes the main window and gives it to the App.
void CreateMainWindow(App& app);

}  // namespace mirvo
