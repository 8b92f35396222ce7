#pragma once

#include <optional>

namespace mirvo {

// Where the screen-edge switcher's window goes when the pointer is pushed against an edge.

struct EdgeScreen {
    int widthPixels = 0;
    int heightPixels = 0;
    int twipsPerPixelX = 15;
    int twipsPerPixelY = 15;
};

struct EdgesOn {
    bool top = false;
    bool bottom = false;
    bool left = false;
    bool right = false;
};

struct EdgeSpot {
    int left = 0;  // twips
    int top = 0;
};

// Whether the pointer (pixels) lies on the screen's border at all.
bool OnScreenBorder(int x, int y, const EdgeScreen& screen);

// The window of width and height (twips) against the edge the pointer pushes, near the pointer
// and inside the screen: the top, bottom, left and right edges in that order, each when switched
// on. The corners (1600 twips at the ends of the top and bottom, 800 at the ends of the sides)
// do not react.
std::optional<EdgeSpot> PlaceAtEdge(int x, int y, const EdgeScreen& screen, const EdgesOn& edges,
                                    int width, int height);

}  // namespace mirvo
