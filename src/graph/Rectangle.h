// A rectangle as the drawing routines use it: Right and Bottom are excluded, so the
// whole of a paint box w pixels wide and h high is (0, 0, w, h).
#pragma once

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};
