#include "FastOptionsPanel.h"

#include "FastOptionsRules.h"
#include "FileAccess.h"
#include "OptionLists.h"
#include "PrefixKeyFilter.h"
#include "Prompts.h"
#include "VisualSizerForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString OutputFolderCaption = QStringLiteral("Select Output Folder");
const QString WatermarkDialogTitle = QStringLiteral("Watermark image");

template <class T> T* Named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QSpinBox* MakeSpin(const TSpinRange& range, const char* name, QWidget* parent) {
    auto* spin = Named(new QSpinBox(parent), name);
    spin->setRange(range.Min, range.Max);
    spin->setSingleStep(range.Step);
    return spin;
}

QLabel* MakeLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// A tab's contents sit close together: the panel is only a few rows high.
template <class TLayout> TLayout* Tight(TLayout* layout) {
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    return layout;
}

QGroupBox* PositionGroup(QSpinBox* x, QSpinBox* y, QWidget* parent) {
    auto* group = new QGroupBox(QStringLiteral("Position"), parent);
    auto* grid = Tight(new QGridLayout(group));
    grid->addWidget(MakeLabel(QStringLiteral("X:"), x, group), 0, 0);
    grid->addWidget(x, 0, 1);
    grid->addWidget(MakeLabel(QStringLiteral("Y:"), y, group), 1, 0);
    grid->addWidget(y, 1, 1);
    return group;
}

void SelectListIndex(QComboBox* list, int index) {
    list->setCurrentIndex(ClampListIndex(index, list->count()));
}

} // namespace

TSampleShape::TSampleShape(QWidget* parent)
    : QWidget(parent) {
    setFixedSize(SampleShapeSize);
}

void TSampleShape::SetPen(int width, TColor colour) {
    FPenWidth = width;
    FPenColour = colour;
    update();
}

QSize TSampleShape::sizeHint() const {
    return SampleShapeSize;
}

void TSampleShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(FPenColour));
    const QRect inner = SampleInnerRect(size(), FPenWidth);
    if (!inner.isEmpty())
        painter.fillRect(inner, Qt::white);
}

TFastOptionsPanel::TFastOptionsPanel(TSettings& settings, TPrompts& prompts, QWidget* parent)
    : QWidget(parent)
    , FSettings(settings)
    , FPrompts(prompts) {
    setObjectName(QStringLiteral("FastOptionsPanel"));
    FFastOptionsPC = Named(new QTabWidget(this), "FastOptionsPC");
    FFastOptionsPC->setDocumentMode(false);
    FFastOptionsPC->addTab(CreateOutputSheet(), QStringLiteral("Output"));
    FFastOptionsPC->addTab(CreateSizeSheet(), QStringLiteral("Size"));
    FFastOptionsPC->addTab(CreateBorderSheet(), QStringLiteral("Border"));
    FFastOptionsPC->addTab(CreateWatermarkSheet(), QStringLiteral("Watermark"));
    FFastOptionsPC->addTab(CreateAnnotationSheet(), QStringLiteral("Annotation"));
    FFastOptionsPC->setCurrentIndex(0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FFastOptionsPC);

    // Until the first fill the controls show the record's defaults.
    FillOptionsPanel(TSettings());
}

QWidget* TFastOptionsPanel::CreateOutputSheet() {
    auto* sheet = Named(new QWidget, "OutputTS");

    auto* quality =
        Named(new QGroupBox(QStringLiteral("Resize quality"), sheet), "ResizeQualityRG");
    FRQHighRB =
        Named(new QRadioButton(QStringLiteral("High (slow processing)"), quality), "RQHighRB");
    FRQLowRB = Named(new QRadioButton(QStringLiteral("Low (fast processing)"), quality), "RQLowRB");
    auto* qualityLayout = Tight(new QVBoxLayout(quality));
    qualityLayout->addWidget(FRQHighRB);
    qualityLayout->addWidget(FRQLowRB);
    qualityLayout->addStretch();

    FOutputFolderEdit = Named(new QLineEdit(sheet), "OutputFolderEdit");
    FOutputFolderEdit->setReadOnly(true);
    QPalette buttonFace = FOutputFolderEdit->palette();
    buttonFace.setColor(QPalette::Base, buttonFace.color(QPalette::Button));
    FOutputFolderEdit->setPalette(buttonFace);
    FOutputFolderB = Named(new QPushButton(QStringLiteral("..."), sheet), "OutputFolderB");
    FOutputFolderB->setFixedWidth(28);
    FOutputFormatCB = Named(new QComboBox(sheet), "OutputFormatCB");
    FOutputFormatCB->addItems(OutputFormatItems());
    FJPGQualitySE = MakeSpin(QualitySpin, "JPGQualitySE", sheet);
    FJPGQualityLabel =
        Named(MakeLabel(QStringLiteral("Quality:"), FJPGQualitySE, sheet), "JPGQualityLabel");

    auto* output = Tight(new QGridLayout);
    output->addWidget(MakeLabel(QStringLiteral("Output Folder:"), FOutputFolderEdit, sheet), 0, 0,
                      1, 4);
    auto* folderRow = new QHBoxLayout;
    folderRow->setSpacing(2);
    folderRow->addWidget(FOutputFolderEdit, 1);
    folderRow->addWidget(FOutputFolderB);
    output->addLayout(folderRow, 1, 0, 1, 4);
    output->addWidget(MakeLabel(QStringLiteral("Output image format:"), FOutputFormatCB, sheet), 2,
                      0);
    output->addWidget(FOutputFormatCB, 2, 1);
    output->addWidget(FJPGQualityLabel, 2, 2, Qt::AlignRight);
    output->addWidget(FJPGQualitySE, 2, 3);
    output->setRowStretch(3, 1);

    auto* prefix = Named(new QGroupBox(QStringLiteral("Prefix"), sheet), "PrefixIncludedRG");
    auto* custom = Named(new QRadioButton(QStringLiteral("Custom "), prefix), "PrefixCustomRB");
    auto* fixed = Named(new QRadioButton(QStringLiteral("Default"), prefix), "PrefixDefaultRB");
    FPrefixIncludedRG = new QButtonGroup(prefix);
    FPrefixIncludedRG->addButton(custom, 0);
    FPrefixIncludedRG->addButton(fixed, 1);
    FCustomPrefixE = Named(new QLineEdit(prefix), "CustomPrefixE");
    FCustomPrefixE->installEventFilter(new TPrefixKeyFilter(FCustomPrefixE));
    auto* prefixLayout = Tight(new QGridLayout(prefix));
    prefixLayout->addWidget(custom, 0, 0);
    prefixLayout->addWidget(fixed, 0, 1);
    prefixLayout->addWidget(FCustomPrefixE, 1, 0, 1, 2);
    prefixLayout->setRowStretch(2, 1);

    auto* layout = Tight(new QHBoxLayout(sheet));
    layout->addWidget(quality);
    layout->addLayout(output, 1);
    layout->addWidget(prefix);

    connect(FOutputFormatCB, &QComboBox::currentIndexChanged, this,
            &TFastOptionsPanel::OutputFormatCBChange);
    connect(FPrefixIncludedRG, &QButtonGroup::idToggled, this,
            &TFastOptionsPanel::PrefixIncludedRGClick);
    connect(FOutputFolderB, &QPushButton::clicked, this, &TFastOptionsPanel::OutputFolderBClick);
    return sheet;
}

QWidget* TFastOptionsPanel::CreateSizeSheet() {
    auto* sheet = Named(new QWidget, "SizeTS");
    FOutputDimCB = Named(new QComboBox(sheet), "OutputDimCB");
    FOutputDimCB->addItems(OutputDimensionItems());
    FProcessSizeCB =
        Named(new QCheckBox(QStringLiteral("Include in resizing"), sheet), "ProcessSizeCB");
    FWidthSE = MakeSpin(SizeSpin, "WidthSE", sheet);
    FHeightSE = MakeSpin(SizeSpin, "HeightSE", sheet);
    FSizeButton = Named(new QPushButton(QStringLiteral("Size Tool"), sheet), "SizeButton");

    auto* grid = Tight(new QGridLayout(sheet));
    grid->addWidget(MakeLabel(QStringLiteral("Output dimensions:"), FOutputDimCB, sheet), 0, 0);
    grid->addWidget(FOutputDimCB, 0, 1);
    grid->addWidget(FProcessSizeCB, 0, 2, 1, 2);
    grid->addWidget(MakeLabel(QStringLiteral("Width (px):"), FWidthSE, sheet), 1, 0);
    grid->addWidget(FWidthSE, 1, 1);
    grid->addWidget(MakeLabel(QStringLiteral("Height (px):"), FHeightSE, sheet), 2, 0);
    grid->addWidget(FHeightSE, 2, 1);
    grid->addWidget(FSizeButton, 2, 2);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(3, 1);

    // Only a choice of the user changes the shown size; a fill sets the list quietly.
    connect(FOutputDimCB, &QComboBox::activated, this, &TFastOptionsPanel::OutputDimCBChange);
    connect(FSizeButton, &QPushButton::clicked, this, &TFastOptionsPanel::SizeButtonClick);
    return sheet;
}

QWidget* TFastOptionsPanel::CreateBorderSheet() {
    auto* sheet = Named(new QWidget, "BorderTS");
    FBorderUseCB =
        Named(new QCheckBox(QStringLiteral("Add border after resizing"), sheet), "BorderUseCB");
    FBorderWidthSE = MakeSpin(BorderWidthSpin, "BorderWidthSE", sheet);
    FBorderColorB =
        Named(new QPushButton(QStringLiteral("Change border color ..."), sheet), "BorderColorB");
    FSampleShape = Named(new TSampleShape(sheet), "SampleShape");

    auto* grid = Tight(new QGridLayout(sheet));
    grid->addWidget(FBorderUseCB, 0, 0, 1, 2);
    grid->addWidget(MakeLabel(QStringLiteral("Border width (px):"), FBorderWidthSE, sheet), 1, 0);
    grid->addWidget(FBorderWidthSE, 1, 1);
    grid->addWidget(FBorderColorB, 2, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(FSampleShape, 0, 2, 3, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(3, 1);

    connect(FBorderUseCB, &QCheckBox::toggled, this, &TFastOptionsPanel::BorderUseCBClick);
    connect(FBorderWidthSE, &QSpinBox::valueChanged, this,
            [this](int width) { FSampleShape->SetPen(width, FSampleShape->PenColour()); });
    connect(FBorderColorB, &QPushButton::clicked, this, &TFastOptionsPanel::BorderColorBClick);
    return sheet;
}

QWidget* TFastOptionsPanel::CreateWatermarkSheet() {
    auto* sheet = Named(new QWidget, "WatermarkTS");
    FWatermarkActiveCB = Named(new QCheckBox(QStringLiteral("Add watermark after resizing"), sheet),
                               "WatermarkActiveCB");
    FWatermarkFileE = Named(new QLineEdit(sheet), "WatermarkFileE");
    FWatermarkFileB = Named(new QPushButton(QStringLiteral("..."), sheet), "WatermarkFileB");
    FWatermarkFileB->setFixedWidth(28);
    FWatermarkXSE = MakeSpin(PositionSpin, "WatermarkXSE", sheet);
    FWatermarkYSE = MakeSpin(PositionSpin, "WatermarkYSE", sheet);
    FWatermarkOperatorCB = Named(new QComboBox(sheet), "WatermarkOperatorCB");
    FWatermarkOperatorCB->addItems(ComposeOperatorNames());
    FWatermarkOperatorCB->setMaxVisibleItems(16);

    auto* left = Tight(new QGridLayout);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(FWatermarkActiveCB, 0, 0, 1, 3);
    left->addWidget(MakeLabel(QStringLiteral("File:"), FWatermarkFileE, sheet), 1, 0);
    left->addWidget(FWatermarkFileE, 1, 1);
    left->addWidget(FWatermarkFileB, 1, 2);
    left->addWidget(MakeLabel(QStringLiteral("Compose type:"), FWatermarkOperatorCB, sheet), 2, 0);
    left->addWidget(FWatermarkOperatorCB, 2, 1, 1, 2, Qt::AlignLeft);
    left->setRowStretch(3, 1);

    auto* layout = Tight(new QHBoxLayout(sheet));
    layout->addLayout(left, 1);
    layout->addWidget(PositionGroup(FWatermarkXSE, FWatermarkYSE, sheet), 0, Qt::AlignTop);

    connect(FWatermarkActiveCB, &QCheckBox::toggled, this,
            &TFastOptionsPanel::WatermarkActiveCBClick);
    connect(FWatermarkFileB, &QPushButton::clicked, this, &TFastOptionsPanel::WatermarkFileBClick);
    return sheet;
}

QWidget* TFastOptionsPanel::CreateAnnotationSheet() {
    auto* sheet = Named(new QWidget, "AnnotationTS");
    FAnnotationActiveCB =
        Named(new QCheckBox(QStringLiteral("Add annotation after resizing"), sheet),
              "AnnotationActiveCB");
    FAnnotationFontB = Named(new QPushButton(QStringLiteral("Font..."), sheet), "AnnotationFontB");
    FAnnotationTextMemo = Named(new QLineEdit(sheet), "AnnotationTextMemo");
    // Any font size shows in the same row; the panel does not grow with the font.
    FAnnotationTextMemo->setFixedHeight(FAnnotationTextMemo->sizeHint().height() + 6);
    FAnnotationXSE = MakeSpin(PositionSpin, "AnnotationXSE", sheet);
    FAnnotationYSE = MakeSpin(PositionSpin, "AnnotationYSE", sheet);
    FAnnotationGravityCB = Named(new QComboBox(sheet), "AnnotationGravityCB");
    FAnnotationGravityCB->addItems(GravityNames());

    auto* left = Tight(new QGridLayout);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(FAnnotationActiveCB, 0, 0, 1, 2);
    left->addWidget(FAnnotationFontB, 0, 2, Qt::AlignRight);
    left->addWidget(MakeLabel(QStringLiteral("Text:"), FAnnotationTextMemo, sheet), 1, 0);
    left->addWidget(FAnnotationTextMemo, 1, 1, 1, 2);
    left->addWidget(MakeLabel(QStringLiteral("Gravity:"), FAnnotationGravityCB, sheet), 2, 0);
    left->addWidget(FAnnotationGravityCB, 2, 1, Qt::AlignLeft);
    left->setColumnStretch(1, 1);
    left->setRowStretch(3, 1);

    auto* layout = Tight(new QHBoxLayout(sheet));
    layout->addLayout(left, 1);
    layout->addWidget(PositionGroup(FAnnotationXSE, FAnnotationYSE, sheet), 0, Qt::AlignTop);

    connect(FAnnotationActiveCB, &QCheckBox::toggled, this,
            &TFastOptionsPanel::AnnotationActiveCBClick);
    connect(FAnnotationFontB, &QPushButton::clicked, this,
            &TFastOptionsPanel::AnnotationFontBClick);
    return sheet;
}

void TFastOptionsPanel::FillOptionsPanel(const TSettings& settings) {
    FJPGQualitySE->setValue(ClampToSpin(settings.JPG_QUALITY, QualitySpin));
    FRQHighRB->setChecked(settings.RQ_HIGH);
    FRQLowRB->setChecked(!settings.RQ_HIGH);

    FPrefixIncludedRG->button(settings.PREFIX_INCLUDED ? 1 : 0)->setChecked(true);
    FOutputFolderEdit->setText(settings.OUTPUT_FOLDER);

    FBorderWidthSE->setValue(ClampToSpin(settings.BORDER_WIDTH, BorderWidthSpin));
    FSampleShape->SetPen(FBorderWidthSE->value(), settings.BORDER_COLOR);
    FBorderUseCB->setChecked(settings.BORDER_USE);
    BorderUseCBClick();

    FOutputFormatCB->setCurrentIndex(OutputFormatIndex(settings.OUTPUT_FORMAT));
    OutputFormatCBChange();

    FOutputDimCB->setCurrentIndex(ShownLarge);
    FShownSize = ShownLarge;
    ShowSizeValues(settings, ShownLarge);

    FCustomPrefixE->setText(settings.CUSTOM_PREFIX);
    PrefixIncludedRGClick();

    FWatermarkActiveCB->setChecked(settings.WATERMARK_ACTIVE);
    FWatermarkFileE->setText(settings.WATERMARK_FILE);
    FWatermarkXSE->setValue(ClampToSpin(settings.WATERMARK_X, PositionSpin));
    FWatermarkYSE->setValue(ClampToSpin(settings.WATERMARK_Y, PositionSpin));
    SelectListIndex(FWatermarkOperatorCB, settings.WATERMARK_OPERATOR);
    WatermarkActiveCBClick();

    FAnnotationActiveCB->setChecked(settings.ANNOTATION_ACTIVE);
    FAnnotationXSE->setValue(ClampToSpin(settings.ANNOTATION_X, PositionSpin));
    FAnnotationYSE->setValue(ClampToSpin(settings.ANNOTATION_Y, PositionSpin));
    SelectListIndex(FAnnotationGravityCB, settings.ANNOTATION_GRAVITY);
    FAnnotationTextMemo->setText(settings.ANNOTATION_TEXT);
    FAnnotationFont = SettingsToFont(settings);
    ShowAnnotationFont();
    AnnotationActiveCBClick();
}

void TFastOptionsPanel::CollectOptionsPanel(TSettings& settings) const {
    settings.JPG_QUALITY = FJPGQualitySE->value();
    StoreShownSizeValues(settings, FShownSize,
                         {FWidthSE->value(), FHeightSE->value(), FProcessSizeCB->isChecked()});
    settings.RQ_HIGH = FRQHighRB->isChecked();
    settings.PREFIX_INCLUDED = FPrefixIncludedRG->checkedId() == 1;
    settings.OUTPUT_FOLDER = FOutputFolderEdit->text();

    settings.BORDER_WIDTH = FBorderWidthSE->value();
    settings.BORDER_COLOR = FSampleShape->PenColour();
    settings.BORDER_USE = FBorderUseCB->isChecked();

    settings.OUTPUT_FORMAT = FOutputFormatCB->currentText();
    settings.CUSTOM_PREFIX = FCustomPrefixE->text();

    settings.WATERMARK_ACTIVE = FWatermarkActiveCB->isChecked();
    settings.WATERMARK_FILE = FWatermarkFileE->text();
    settings.WATERMARK_X = FWatermarkXSE->value();
    settings.WATERMARK_Y = FWatermarkYSE->value();
    settings.WATERMARK_OPERATOR = FWatermarkOperatorCB->currentIndex();

    settings.ANNOTATION_ACTIVE = FAnnotationActiveCB->isChecked();
    settings.ANNOTATION_X = FAnnotationXSE->value();
    settings.ANNOTATION_Y = FAnnotationYSE->value();
    settings.ANNOTATION_GRAVITY = FAnnotationGravityCB->currentIndex();
    settings.ANNOTATION_TEXT = FAnnotationTextMemo->text();
    FontToSettings(FAnnotationFont, settings);
}

void TFastOptionsPanel::ShowSizeValues(const TSettings& settings, int shownSize) {
    const TSizeValues values = ShownSizeValues(settings, shownSize);
    FWidthSE->setValue(ClampToSpin(values.Width, SizeSpin));
    FHeightSE->setValue(ClampToSpin(values.Height, SizeSpin));
    FProcessSizeCB->setChecked(values.Include);
}

quint8 TFastOptionsPanel::AddDecorationFlags(quint8 flags) const {
    return ::AddDecorationFlags(flags, FBorderUseCB->isChecked(), FWatermarkActiveCB->isChecked(),
                                FAnnotationActiveCB->isChecked());
}

void TFastOptionsPanel::OutputDimCBChange(int index) {
    if (index == FShownSize)
        return;
    CollectOptionsPanel(FSettings);
    FShownSize = index;
    ShowSizeValues(index);
}

void TFastOptionsPanel::OutputFormatCBChange() {
    const bool shown = QualityShown(FOutputFormatCB->currentText());
    FJPGQualityLabel->setVisible(shown);
    FJPGQualitySE->setVisible(shown);
}

void TFastOptionsPanel::PrefixIncludedRGClick() {
    FCustomPrefixE->setEnabled(FPrefixIncludedRG->checkedId() != 1);
}

void TFastOptionsPanel::OutputFolderBClick() {
    // The picker starts at the record's folder, not at a folder chosen but not yet collected.
    const std::optional<QString> chosen =
        FPrompts.PickFolder({OutputFolderCaption, FSettings.OUTPUT_FOLDER, true});
    if (!chosen)
        return;
    FOutputFolderEdit->setText(WithTrailingSlash(*chosen));
}

void TFastOptionsPanel::SizeButtonClick() {
    if (!FSizeTool)
        return;
    int width = FWidthSE->value();
    int height = FHeightSE->value();
    if (!FSizeTool->ShowSizeTool(width, height))
        return;
    FWidthSE->setValue(ClampToSpin(width, SizeSpin));
    FHeightSE->setValue(ClampToSpin(height, SizeSpin));
}

void TFastOptionsPanel::BorderUseCBClick() {
    const bool use = FBorderUseCB->isChecked();
    FBorderWidthSE->setEnabled(use);
    FBorderColorB->setEnabled(use);
}

void TFastOptionsPanel::BorderColorBClick() {
    const std::optional<QColor> chosen = FPrompts.PickColour(ToQColor(FSampleShape->PenColour()));
    if (chosen)
        FSampleShape->SetPen(FSampleShape->PenWidth(), ToTColor(*chosen));
}

void TFastOptionsPanel::WatermarkActiveCBClick() {
    const bool active = FWatermarkActiveCB->isChecked();
    for (QWidget* control :
         {static_cast<QWidget*>(FWatermarkFileE), static_cast<QWidget*>(FWatermarkFileB),
          static_cast<QWidget*>(FWatermarkXSE), static_cast<QWidget*>(FWatermarkYSE),
          static_cast<QWidget*>(FWatermarkOperatorCB)})
        control->setEnabled(active);
}

void TFastOptionsPanel::WatermarkFileBClick() {
    const QString current = FWatermarkFileE->text();
    const QString folder = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
    const QStringList chosen =
        FPrompts.OpenFiles({WatermarkDialogTitle, PictureDialogFilter, folder, false});
    if (!chosen.isEmpty())
        FWatermarkFileE->setText(QFileInfo(chosen.constFirst()).absoluteFilePath());
}

void TFastOptionsPanel::AnnotationActiveCBClick() {
    const bool active = FAnnotationActiveCB->isChecked();
    for (QWidget* control :
         {static_cast<QWidget*>(FAnnotationFontB), static_cast<QWidget*>(FAnnotationTextMemo),
          static_cast<QWidget*>(FAnnotationXSE), static_cast<QWidget*>(FAnnotationYSE),
          static_cast<QWidget*>(FAnnotationGravityCB)})
        control->setEnabled(active);
}

void TFastOptionsPanel::AnnotationFontBClick() {
    const std::optional<TFontDialogChoice> chosen =
        FPrompts.PickFont({ToQFont(FAnnotationFont), ToQColor(FAnnotationFont.Colour)});
    if (!chosen)
        return;
    FAnnotationFont = FontChoiceOf(chosen->Font, ToTColor(chosen->Colour));
    ShowAnnotationFont();
}

void TFastOptionsPanel::ShowAnnotationFont() {
    FAnnotationTextMemo->setFont(ToQFont(FAnnotationFont));
    QPalette palette = FAnnotationTextMemo->palette();
    palette.setColor(QPalette::Text, ToQColor(FAnnotationFont.Colour));
    FAnnotationTextMemo->setPalette(palette);
}
