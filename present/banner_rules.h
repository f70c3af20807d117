#pragma once
// The banner's container is narrower than the web view by a margin, so that the web view's
// right-hand strip (where a scroll bar would show) is cut off.

enum class ScaleMode { User = 0, Twips = 1, Points = 2, Pixels = 3 };

// 20 when the window measures in pixels, 280 (twips) otherwise.
int BannerMargin(ScaleMode scaleMode);
