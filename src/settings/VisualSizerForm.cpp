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

// The centre of the slider's thumb at a position, along its length, in its own coordinates.
int ThumbCentre(const QSlider* slider, int value) {
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

} // namespace

QSize SizerRectangleSize(int width, int height) {
    return {std::clamp(width, 0, SizerSpinMax), std::clamp(height, 0, SizerSpinMax)};
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
    PlaceSliders();

    connect(FWidthTB, &QSlider::valueChanged, this, [this](int value) {
        if (!FUpdating)
            SetWidth(value);
    });
    connect(FHeightTB, &QSlider::valueChanged, this, [this](int value) {
        if (!FUpdating)
            SetHeight(value);
    });
    connect(FWidthSE, &QSpinBox::valueChanged, this, [this](int value) {
        if (!FUpdating)
            SetWidth(value);
    });
    connect(FHeightSE, &QSpinBox::valueChanged, this, [this](int value) {
        if (!FUpdating)
            SetHeight(value);
    });
    connect(FOKButton, &QPushButton::clicked, this, &TVisualSizerForm::OKButtonClick);
    connect(FCancelButton, &QPushButton::clicked, this, &QDialog::reject);

    resize(DesignedClientSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TVisualSizerForm::PlaceSliders() {
    // The thumbs must stand on the rectangle's edges whatever the style draws them like.
    const int width = FWidthTB->sizeHint().height();
    int trial = SizerHorizontalMax + 40;
    FWidthTB->setGeometry(0, HorizontalSliderTop, trial, width);
    int zero = ThumbCentre(FWidthTB, 0);
    int length = SliderLengthFor(SizerHorizontalMax, trial,
                                 ThumbCentre(FWidthTB, SizerHorizontalMax) - zero);
    FWidthTB->setGeometry(0, HorizontalSliderTop, length, width);
    zero = ThumbCentre(FWidthTB, 0);
    FWidthTB->move(SliderStartFor(SizeRectangleOrigin.x(), zero), HorizontalSliderTop);

    const int height = FHeightTB->sizeHint().width();
    trial = SizerVerticalMax + 40;
    FHeightTB->setGeometry(VerticalSliderLeft, 0, height, trial);
    zero = ThumbCentre(FHeightTB, 0);
    length =
        SliderLengthFor(SizerVerticalMax, trial, ThumbCentre(FHeightTB, SizerVerticalMax) - zero);
    FHeightTB->setGeometry(VerticalSliderLeft, 0, height, length);
    zero = ThumbCentre(FHeightTB, 0);
    FHeightTB->move(VerticalSliderLeft, SliderStartFor(SizeRectangleOrigin.y(), zero));
}

bool TVisualSizerForm::ShowSizeTool(int& width, int& height) {
    SetWidth(width);
    SetHeight(height);
    FAccepted = false;
    exec();
    if (!FAccepted)
        return false;
    width = FWidthSE->value();
    height = FHeightSE->value();
    return true;
}

void TVisualSizerForm::SetWidth(int width) {
    FUpdating = true;
    FWidthTB->setValue(width);
    FWidthSE->setValue(width);
    FRectangle.setWidth(SizerRectangleSize(width, 0).width());
    FUpdating = false;
    update();
}

void TVisualSizerForm::SetHeight(int height) {
    FUpdating = true;
    FHeightTB->setValue(height);
    FHeightSE->setValue(height);
    FRectangle.setHeight(SizerRectangleSize(0, height).height());
    FUpdating = false;
    update();
}

void TVisualSizerForm::OKButtonClick() {
    FAccepted = true;
    accept();
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
