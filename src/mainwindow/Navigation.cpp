#include "mainwindow/Navigation.h"

#include "forms/Types.h"

namespace mirvo {

namespace {

int InClipboardOnly(int keyCode, int p, bool horizontal) {
    if (p < 0 || p > 8) {
        p = 0;
    }
    switch (keyCode) {
        case forms::Key::End:
            return 8;
        case forms::Key::Home:
            return 0;
        case forms::Key::Up:
            return p == 0 ? 8 : p - 1;
        case forms::Key::Down:
            return p == 8 ? 0 : p + 1;
        case forms::Key::Left:
            return horizontal && p >= 3 ? p - 3 : kNoMove;
        case forms::Key::Right:
            return horizontal && p < 6 ? p + 3 : kNoMove;
        default:
            return kNoMove;
    }
}

int PageUp(int p) {
    if (p >= 1 && p <= 8)
        return 0;
    if (p >= 10 && p <= 40)
        return 9;
    if (p >= 42 && p <= 72)
        return 41;
    if (p >= 74 && p <= 104)
        return 73;
    if (p >= 114 && p <= 144)
        return 113;
    return kNoMove;
}

int PageDown(int p, bool L) {
    if (p >= 0 && p <= 7)
        return L ? 112 : 8;
    if (p >= 9 && p <= 39)
        return L ? 40 : 31;
    if (p >= 41 && p <= 71)
        return L ? 72 : 63;
    if (p >= 73 && p <= 103)
        return 104;
    if (p >= 113 && p <= 143)
        return L ? 144 : 135;
    return kNoMove;
}

int End(int displayMode, bool L) {
    switch (displayMode) {
        case 5:
            return L ? 144 : 135;
        case 0:
            return L ? 112 : 8;
        case 1:
            return L ? 40 : 31;
        case 2:
            return L ? 72 : 63;
        case 3:
            return 104;
        default:
            return kNoMove;
    }
}

int Home(int displayMode) {
    switch (displayMode) {
        case 0:
        case 5:
            return 0;
        case 1:
            return 9;
        case 2:
            return 41;
        case 3:
            return 73;
        default:
            return kNoMove;
    }
}

int Up(int p, int displayMode, bool L) {
    int q = p - 1;
    if (L) {
        if (p == 0)
            q = 144;
        else if (p == 9)
            q = 112;
        else if (p == 105)
            q = 8;
        else if (p == 113)
            q = 104;
    } else {
        if (p == 0)
            q = 135;
        else if (p == 41)
            q = 31;
        else if (p == 113)
            q = 63;
    }
    // Inside a column display the column wraps around.
    switch (displayMode) {
        case 0:
            if (q == 144 || q == 135)
                q = L ? 112 : 8;
            break;
        case 1:
            if (q == 8 || q == 112)
                q = L ? 40 : 31;
            break;
        case 2:
            if (q == 40)
                q = L ? 72 : 63;
            break;
        case 3:
            if (q == 72)
                q = L ? 104 : 95;
            break;
        default:
            break;
    }
    return q;
}

int Down(int p, int displayMode, bool L) {
    int q = p + 1;
    if (L) {
        if (p == 8)
            q = 105;
        else if (p == 112)
            q = 9;
        else if (p == 104)
            q = 113;
        else if (p == 144)
            q = 0;
    } else {
        if (p == 31)
            q = 41;
        else if (p == 63)
            q = 113;
        else if (p == 135)
            q = 0;
    }
    switch (displayMode) {
        case 0:
            if (q == 9)
                q = 0;
            break;
        case 1:
            if (q > (L ? 40 : 31))
                q = 9;
            break;
        case 2:
            if (q > (L ? 72 : 63))
                q = 41;
            break;
        case 3:
            if (q > (L ? 104 : 95))
                q = 73;
            break;
        default:
            break;
    }
    return q;
}

int Left(int p, int displayMode, bool L) {
    if (displayMode != 5)
        return kNoMove;
    if (p >= 9 && p <= 17)
        return p - 9;
    if (p >= 33 && p <= 40)
        return p + 72;
    if (p >= 41 && p <= 104)
        return p - 32;
    if (p >= 113 && p <= 144)
        return L ? p - 40 : p - 72;
    return kNoMove;
}

int Right(int p, int displayMode, bool L) {
    if (displayMode != 5)
        return kNoMove;
    if (p >= 0 && p <= 8)
        return p + 9;
    if (p >= 105 && p <= 112)
        return p - 72;
    if (p >= 9 && p <= 40)
        return p + 32;
    if (p >= 41 && p <= 72)
        return L ? p + 32 : p + 72;
    if (p >= 73 && p <= 104)
        return p + 40;
    return kNoMove;
}

}  // namespace

int NavigateKey(int keyCode, int pos, const NavigationContext& c) {
    if (c.clipboardOnlyMode == 1 || c.clipboardOnlyMode == 2) {
        return InClipboardOnly(keyCode, pos, c.clipboardOnlyMode == 2);
    }
    const bool L = c.large;
    switch (keyCode) {
        case forms::Key::PageUp:
            return PageUp(pos);
        case forms::Key::PageDown:
            return PageDown(pos, L);
        case forms::Key::End:
            return End(c.displayMode, L);
        case forms::Key::Home:
            return Home(c.displayMode);
        case forms::Key::Up:
            return Up(pos, c.displayMode, L);
        case forms::Key::Down:
            return Down(pos, c.displayMode, L);
        case forms::Key::Left:
            return Left(pos, c.displayMode, L);
        case forms::Key::Right:
            return Right(pos, c.displayMode, L);
        default:
            return kNoMove;
    }
}

int SectionOf(int pos) {
    if (pos <= 8 || (pos >= 105 && pos <= 112))
        return 0;
    if (pos <= 40)
        return 1;
    if (pos <= 72)
        return 2;
    if (pos <= 104)
        return 3;
    return 4;
}

std::vector<int> SectionPositions(int section) {
    std::vector<int> positions;
    auto add = [&](int from, int to) {
        for (int p = from; p <= to; ++p) {
            positions.push_back(p);
        }
    };
    switch (section) {
        case 0:
            add(0, 8);
            add(105, 112);
            break;
        case 1:
            add(9, 40);
            break;
        case 2:
            add(41, 72);
            break;
        case 3:
            add(73, 104);
            break;
        default:
            add(113, 144);
            break;
    }
    return positions;
}

}  // namespace mirvo
