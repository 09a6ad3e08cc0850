#pragma once

#include <QLabel>

// A label that acts as a link: hand cursor, the active caption colour, underlined and lighter
// while the mouse is over it; a click emits Clicked.
class TLinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit TLinkLabel(QWidget* parent = nullptr);

    bool Hot() const { return FHot; }

signals:
    void Clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Dress();

    bool FHot = false;
};
