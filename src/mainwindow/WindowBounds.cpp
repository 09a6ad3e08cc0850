#include "WindowBounds.h"

#include <algorithm>

namespace {

// How much of the top edge must stay on the desktop to grab the window.
constexpr int GripWidth = 64;
constexpr int GripHeight = 24;

} // namespace

QRect FitWindowBounds(const QRect& stored, const QRect& desktop, QSize minimum,
                      const QRect& fallback) {
    if (desktop.isEmpty())
        return stored;
    QRect bounds = stored;
    bounds.setWidth(std::max(minimum.width(), std::min(bounds.width(), desktop.width())));
    bounds.setHeight(std::max(minimum.height(), std::min(bounds.height(), desktop.height())));
    const QRect grip(bounds.left(), bounds.top(), bounds.width(), GripHeight);
    const QRect onDesktop = grip.intersected(desktop);
    if (onDesktop.width() >= std::min(GripWidth, bounds.width()) &&
        onDesktop.height() >= std::min(GripHeight, desktop.height()))
        return bounds;
    if (!stored.intersects(desktop))
        return fallback;
    // Partly visible but its top out of reach: pull it in by the least amount.
    bounds.moveLeft(std::clamp(bounds.left(), desktop.left(),
                               std::max(desktop.left(), desktop.right() + 1 - bounds.width())));
    bounds.moveTop(std::clamp(bounds.top(), desktop.top(),
                              std::max(desktop.top(), desktop.bottom() + 1 - bounds.height())));
    return bounds;
}
