#pragma once

namespace mirvo {

class App;

// Places the group clips, their key labels and the column buttons for the window size, the
// column display and the current group ("Hot Key Clips" shows its 26 clips beside wide
// "Alt+" labels).
void ArrangeGroupClips(App& app);

}  // namespace mirvo
