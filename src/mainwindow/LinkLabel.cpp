#include "LinkLabel.h"

#include <QEnterEvent>
#include <QMouseEvent>

TLinkLabel::TLinkLabel(QWidget* parent)
    : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    Dress();
}

void TLinkLabel::enterEvent(QEnterEvent* event) {
    FHot = true;
    Dress();
    QLabel::enterEvent(event);
}

void TLinkLabel::leaveEvent(QEvent* event) {
    FHot = false;
    Dress();
    QLabel::leaveEvent(event);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
    QLabel::mouseReleaseEvent(event);
}

void TLinkLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        Dress();
}

void TLinkLabel::Dress() {
    // The highlight stands for the active caption colour, its lighter shade for the end of
    // the caption's gradient.
    const QColor caption = palette().color(QPalette::Active, QPalette::Highlight);
    const QColor colour = FHot ? caption.lighter(140) : caption;
    if (palette().color(QPalette::WindowText) != colour) {
        QPalette p = palette();
        p.setColor(QPalette::WindowText, colour);
        setPalette(p);
    }
    QFont f = font();
    if (f.underline() != FHot) {
        f.setUnderline(FHot);
        setFont(f);
    }
}
