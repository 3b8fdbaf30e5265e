#include "platform/substitute/Geometry.h"

#include <cstdlib>

#include "platform/substitute/DisplayScale.h"

namespace {

// Measured under Wine 8 in a 1024 x 768 x 24 virtual display, default theme; the sizes that
// follow the display's scale come from DisplayScale.
struct Metric {
    int index;
    int value;
};
constexpr Metric kFixedMetrics[] = {
    {SM_CXSCREEN, 1024}, {SM_CYSCREEN, 768}, {SM_CXBORDER, 1}, {SM_CYBORDER, 1},
    {SM_CXDLGFRAME, 3},  {SM_CYDLGFRAME, 3}, {SM_CXEDGE, 2},   {SM_CYEDGE, 2},
};

int ScaledMetric(int index) {
    const substitute::ScaleMeasurements& scale = substitute::DisplayScale();
    switch (index) {
    case SM_CYCAPTION:
        return scale.captionHeight;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return scale.frame;
    case SM_CXMINTRACK:
        return scale.minTrackWidth;
    case SM_CYMINTRACK:
        return scale.minTrackHeight;
    case SM_CXMAXTRACK:
        return scale.maxTrackWidth;
    case SM_CYMAXTRACK:
        return scale.maxTrackHeight;
    default:
        return 0;
    }
}

} // namespace

extern "C" int WINAPI GetSystemMetrics(int index) {
    for (const Metric& metric : kFixedMetrics)
        if (metric.index == index)
            return metric.value;
    return ScaledMetric(index);
}

namespace substitute {

Insets NonClientInsets(DWORD style, DWORD exStyle) {
    // The outer frame: a resizing frame, a dialog frame (which WS_CAPTION implies) or a thin
    // border, in that order of precedence.
    int frame = 0;
    if (style & WS_THICKFRAME)
        frame = GetSystemMetrics(SM_CXFRAME);
    else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
        frame = GetSystemMetrics(SM_CXDLGFRAME);
    else if (style & WS_BORDER)
        frame = GetSystemMetrics(SM_CXBORDER);
    const int caption = (style & WS_CAPTION) == WS_CAPTION ? GetSystemMetrics(SM_CYCAPTION) : 0;
    const int edge = (exStyle & WS_EX_CLIENTEDGE) ? GetSystemMetrics(SM_CXEDGE) : 0;
    return {frame + edge, frame + caption + edge, frame + edge, frame + edge};
}

RECT ClientFromOuter(const RECT& outer, DWORD style, DWORD exStyle) {
    const Insets insets = NonClientInsets(style, exStyle);
    RECT client{outer.left + insets.left, outer.top + insets.top, outer.right - insets.right,
                outer.bottom - insets.bottom};
    // A window smaller than its frame has an empty client area at the frame's inner corner.
    if (client.right < client.left)
        client.right = client.left;
    if (client.bottom < client.top)
        client.bottom = client.top;
    return client;
}

int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const long long product = static_cast<long long>(a) * b;
    const long long half = std::llabs(static_cast<long long>(c)) / 2;
    const bool negative = (product < 0) != (c < 0);
    const long long magnitude =
        (std::llabs(product) + half) / std::llabs(static_cast<long long>(c));
    return static_cast<int>(negative ? -magnitude : magnitude);
}

RECT ScreenBounds() {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

} // namespace substitute

extern "C" HMONITOR WINAPI MonitorFromRect(const RECT* rect, DWORD flags) {
    // One monitor: a rectangle that shares no pixel with the screen (touching its edge is not
    // enough) has none, unless the caller asks for a default.
    static const HMONITOR kTheMonitor = reinterpret_cast<HMONITOR>(uintptr_t{1});
    if (!rect)
        return nullptr;
    const RECT screen = substitute::ScreenBounds();
    const bool overlaps = rect->left < screen.right && rect->right > screen.left &&
                          rect->top < screen.bottom && rect->bottom > screen.top &&
                          rect->left < rect->right && rect->top < rect->bottom;
    return overlaps || flags != MONITOR_DEFAULTTONULL ? kTheMonitor : nullptr;
}

extern "C" int WINAPI MulDiv(int number, int numerator, int denominator) {
    return substitute::MulDiv(number, numerator, denominator);
}
