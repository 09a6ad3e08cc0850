#pragma once

#include <QRect>
#include <QSize>

// The normal bounds to restore: the stored ones, kept no larger than the desktop (nor smaller
// than the minimum) and moved back onto it when none of the window's title row would be
// reachable there; the fallback when the stored bounds lie wholly off the desktop.
QRect FitWindowBounds(const QRect& stored, const QRect& desktop, QSize minimum,
                      const QRect& fallback);
