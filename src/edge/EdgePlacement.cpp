#include "edge/EdgePlacement.h"

#include <algorithm>

namespace mirvo {

namespace {
constexpr int kTopBottomCorner = 1600;
constexpr int kSideCorner = 800;

int Clamp(int value, int size, int screen) {
    return std::clamp(value, 0, std::max(0, screen - size));
}
}  // namespace

bool OnScreenBorder(int x, int y, const EdgeScreen& screen) {
    return x == 0 || y == 0 || x == screen.widthPixels - 1 || y == screen.heightPixels - 1;
}

std::optional<EdgeSpot> PlaceAtEdge(int x, int y, const EdgeScreen& screen, const EdgesOn& edges,
                                    int width, int height) {
    const int screenWidth = screen.widthPixels * screen.twipsPerPixelX;
    const int screenHeight = screen.heightPixels * screen.twipsPerPixelY;
    const int xTwips = x * screen.twipsPerPixelX;
    const int yTwips = y * screen.twipsPerPixelY;
    const bool alongTop = xTwips > kTopBottomCorner && xTwips < screenWidth - kTopBottomCorner;
    const bool alongSide = yTwips > kSideCorner && yTwips < screenHeight - kSideCorner;
    const int followX = Clamp(xTwips - width / 2, width, screenWidth);
    const int followY = Clamp(yTwips - height / 2, height, screenHeight);
    if (edges.top && y == 0 && alongTop) {
        return EdgeSpot{followX, 0};
    }
    if (edges.bottom && y == screen.heightPixels - 1 && alongTop) {
        return EdgeSpot{followX, std::max(0, screenHeight - height)};
    }
    if (edges.left && x == 0 && alongSide) {
        return EdgeSpot{0, followY};
    }
    if (edges.right && x == screen.widthPixels - 1 && alongSide) {
        return EdgeSpot{std::max(0, screenWidth - width), followY};
    }
    return std::nullopt;
}

}  // namespace mirvo
