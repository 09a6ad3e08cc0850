#include "VisualSizerForm.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

namespace {

constexpr int TopPanelHeight = 37;
constexpr int HorizontalSliderTop = 48;
constexpr int VerticalSliderLeft = 4;
constexpr QSize DesignedClientSize{772, 536};

QSlider* MakeSlider(Qt::Orientation orientation, int maximum, QWidget* parent) {
    auto* slider = new QSlider(orientation, parent);
    slider->setRange(0, maximum);
    slider->setTickInterval(10);
    slider->setSingleStep(1);
    slider->setPageStep(10);
    if (orientation == Qt::Horizontal) {
        slider->setTickPosition(QSlider::TicksBelow);
    } else {
        // Position 0 at the top, as the rectangle grows downwards.
        slider->setInvertedAppearance(true);
        slider->setInvertedControls(true);
        slider->setTickPosition(QSlider::TicksRight);
    }
    return slider;
}

QSpinBox* MakeSpin(QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(SizerSpinMin, SizerSpinMax);
    spin->setSingleStep(10);
    return spin;
}

// Makes one position one pixel and puts the thumb at 0 on the rectangle's edge, whatever the
// style draws the thumb like; `across` is where the slider stands on the other axis.
void PlaceSlider(QSlider* slider, int range, int across, int edge) {
    const bool horizontal = slider->orientation() == Qt::Horizontal;
    const int thickness = horizontal ? slider->sizeHint().height() : slider->sizeHint().width();
    const auto setLength = [&](int length) {
        slider->setGeometry(horizontal ? QRect(0, across, length, thickness)
                                       : QRect(across, 0, thickness, length));
    };
    const int trial = range + 40;
    setLength(trial);
    const int zero = SliderThumbCentre(slider, 0);
    setLength(SliderLengthFor(range, trial, SliderThumbCentre(slider, range) - zero));
    const int start = SliderStartFor(edge, SliderThumbCentre(slider, 0));
    slider->move(horizontal ? QPoint(start, across) : QPoint(across, start));
}

} // namespace

QSize SizerRectangleSize(int width, int height) {
    return {std::clamp(width, 0, SizerSpinMax), std::clamp(height, 0, SizerSpinMax)};
}

int SliderThumbCentre(const QSlider* slider, int value) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = value;
    option.sliderValue = value;
    option.singleStep = slider->singleStep();
    option.pageStep = slider->pageStep();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.upsideDown = slider->orientation() == Qt::Horizontal ? slider->invertedAppearance()
                                                                : !slider->invertedAppearance();
    option.subControls = QStyle::SC_SliderHandle;
    const QRect thumb = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                        QStyle::SC_SliderHandle, slider);
    return slider->orientation() == Qt::Horizontal ? thumb.center().x() : thumb.center().y();
}

int SliderStartFor(int rectangleEdge, int thumbCentreAtZero) {
    return rectangleEdge - thumbCentreAtZero;
}

int SliderLengthFor(int range, int trialLength, int trialTravel) {
    return trialLength + (range - trialTravel);
}

TVisualSizerForm::TVisualSizerForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("VisualSizerForm"));
    setWindowTitle(QStringLiteral("Visual Resizer"));
    setModal(true);

    FTopPanel = new QWidget(this);
    FTopPanel->setObjectName(QStringLiteral("TopPanel"));
    FWidthSE = MakeSpin(FTopPanel);
    FWidthSE->setObjectName(QStringLiteral("WidthSE"));
    FHeightSE = MakeSpin(FTopPanel);
    FHeightSE->setObjectName(QStringLiteral("HeightSE"));
    FOKButton = new QPushButton(QStringLiteral("OK"), FTopPanel);
    FOKButton->setObjectName(QStringLiteral("OKButton"));
    FOKButton->setDefault(true);
    FCancelButton = new QPushButton(QStringLiteral("Cancel"), FTopPanel);
    FCancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto* row = new QHBoxLayout(FTopPanel);
    row->setContentsMargins(8, 4, 8, 4);
    auto* widthLabel = new QLabel(QStringLiteral("Width:"), FTopPanel);
    widthLabel->setBuddy(FWidthSE);
    auto* heightLabel = new QLabel(QStringLiteral("Height:"), FTopPanel);
    heightLabel->setBuddy(FHeightSE);
    row->addWidget(widthLabel);
    row->addWidget(FWidthSE);
    row->addSpacing(12);
    row->addWidget(heightLabel);
    row->addWidget(FHeightSE);
    row->addSpacing(12);
    row->addWidget(FOKButton);
    row->addWidget(FCancelButton);
    row->addStretch();

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("TopLine"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(0, TopPanelHeight, 4000, 2);

    FWidthTB = MakeSlider(Qt::Horizontal, SizerHorizontalMax, this);
    FWidthTB->setObjectName(QStringLiteral("WidthTB"));
    FHeightTB = MakeSlider(Qt::Vertical, SizerVerticalMax, this);
    FHeightTB->setObjectName(QStringLiteral("HeightTB"));
    PlaceSlider(FWidthTB, SizerHorizontalMax, HorizontalSliderTop, SizeRectangleOrigin.x());
    PlaceSlider(FHeightTB, SizerVerticalMax, VerticalSliderLeft, SizeRectangleOrigin.y());

    // A user's change moves the other control of the side; the form's own changes do not echo.
    const auto follow = [this](void (TVisualSizerForm::*set)(int)) {
        return [this, set](int value) {
            if (!FUpdating)
                (this->*set)(value);
        };
    };
    connect(FWidthTB, &QSlider::valueChanged, this, follow(&TVisualSizerForm::SetWidth));
    connect(FHeightTB, &QSlider::valueChanged, this, follow(&TVisualSizerForm::SetHeight));
    connect(FWidthSE, &QSpinBox::valueChanged, this, follow(&TVisualSizerForm::SetWidth));
    connect(FHeightSE, &QSpinBox::valueChanged, this, follow(&TVisualSizerForm::SetHeight));
    connect(FOKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(FCancelButton, &QPushButton::clicked, this, &QDialog::reject);

    resize(DesignedClientSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

bool TVisualSizerForm::ShowSizeTool(int& width, int& height) {
    SetWidth(width);
    SetHeight(height);
    if (exec() != QDialog::Accepted)
        return false;
    width = FWidthSE->value();
    height = FHeightSE->value();
    return true;
}

void TVisualSizerForm::SetWidth(int width) {
    FRectangle.setWidth(SizerRectangleSize(width, 0).width());
    ShowValue(FWidthTB, FWidthSE, width);
}

void TVisualSizerForm::SetHeight(int height) {
    FRectangle.setHeight(SizerRectangleSize(0, height).height());
    ShowValue(FHeightTB, FHeightSE, height);
}

void TVisualSizerForm::ShowValue(QSlider* slider, QSpinBox* spin, int value) {
    FUpdating = true;
    slider->setValue(value);
    spin->setValue(value);
    FUpdating = false;
    update();
}

void TVisualSizerForm::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    const QRect shape = SizeRectangle();
    if (shape.isEmpty())
        return;
    QPainter painter(this);
    painter.fillRect(shape, Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(shape.adjusted(0, 0, -1, -1));
}

void TVisualSizerForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FTopPanel->setGeometry(0, 0, width(), TopPanelHeight);
}
