#pragma once

#include <QDialog>
#include <QPoint>
#include <QSize>

class QPushButton;
class QSlider;
class QSpinBox;
class QWidget;

// What the callers of the size tool see of it, so that tests can stand in for the window.
class TSizeTool {
public:
    virtual ~TSizeTool() = default;
    // Shows the tool at the given size. True with the accepted width and height; false with
    // both left as they were.
    virtual bool ShowSizeTool(int& width, int& height) = 0;
};

// The top-left corner of the size rectangle, fixed in the window.
inline constexpr QPoint SizeRectangleOrigin{63, 104};
inline constexpr int SizerHorizontalMax = 2000;
inline constexpr int SizerVerticalMax = 1500;
inline constexpr int SizerSpinMin = 1;
inline constexpr int SizerSpinMax = 10000;

// The size rectangle for a chosen width and height: from zero up to what the spin edits hold.
QSize SizerRectangleSize(int width, int height);

// Where a slider must start so that its thumb at position v stands v pixels after the
// rectangle's edge, given where the style draws the thumb's centre at 0.
int SliderStartFor(int rectangleEdge, int thumbCentreAtZero);
// The slider length that makes one position one pixel, given a trial length and the
// distance the thumb's centre travelled over the whole range at that length.
int SliderLengthFor(int range, int trialLength, int trialTravel);
// The centre of the slider's thumb at a position, along its length, in its own coordinates.
int SliderThumbCentre(const QSlider* slider, int value);

// The process's one size tool, "Visual Resizer": a rectangle drawn at the chosen size, whose
// right and bottom edges follow two sliders and two spin edits. Closing only hides it.
class TVisualSizerForm : public QDialog, public TSizeTool {
    Q_OBJECT

public:
    explicit TVisualSizerForm(QWidget* parent = nullptr);

    bool ShowSizeTool(int& width, int& height) override;

    // Each moves the slider, the spin edit and the rectangle together.
    void SetWidth(int width);
    void SetHeight(int height);

    QRect SizeRectangle() const { return {SizeRectangleOrigin, FRectangle}; }
    bool Accepted() const { return result() == QDialog::Accepted; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Moves the side's slider and spin edit to the value without either echoing it back.
    void ShowValue(QSlider* slider, QSpinBox* spin, int value);

    QWidget* FTopPanel;
    QSpinBox* FWidthSE;
    QSpinBox* FHeightSE;
    QPushButton* FOKButton;
    QPushButton* FCancelButton;
    QSlider* FWidthTB;
    QSlider* FHeightTB;
    QSize FRectangle;
    bool FUpdating = false;
};
