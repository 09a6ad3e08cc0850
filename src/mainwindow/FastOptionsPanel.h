#pragma once

#include "FontLookup.h"
#include "Graphic.h"
#include "Settings.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class TPrompts;
class TSizeTool;

// The border sample: a rectangle outlined with a pen of the border's width and colour.
class TSampleShape : public QWidget {
    Q_OBJECT

public:
    explicit TSampleShape(QWidget* parent = nullptr);

    void SetPen(int width, TColor colour);
    int PenWidth() const { return FPenWidth; }
    TColor PenColour() const { return FPenColour; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int FPenWidth = 1;
    TColor FPenColour = 0;
};

// The fast options panel under the image list: the page control FastOptionsPC with the tabs
// Output, Size, Border, Watermark and Annotation. It edits its own controls; the settings
// record changes only through CollectOptionsPanel.
class TFastOptionsPanel : public QWidget {
    Q_OBJECT

public:
    // The record is the program's one settings record: a change of the shown size collects
    // into it, and the output folder button opens at its folder.
    TFastOptionsPanel(TSettings& settings, TPrompts& prompts, QWidget* parent = nullptr);

    // The size tool of the size button; without one the button does nothing.
    void SetSizeTool(TSizeTool* sizeTool) { FSizeTool = sizeTool; }

    void FillOptionsPanel(const TSettings& settings);
    // Copies every control into the record; writes nothing to the file.
    void CollectOptionsPanel(TSettings& settings) const;
    // Shows the width, height and include flag of a shown size (0 Large, 1 Medium,
    // 2 Thumbnail) from the record.
    void ShowSizeValues(int shownSize) { ShowSizeValues(FSettings, shownSize); }
    int ShownSize() const { return FShownSize; }

    // The run flags with the border, watermark and annotation steps whose boxes are ticked.
    quint8 AddDecorationFlags(quint8 flags) const;

    QTabWidget* PageControl() const { return FFastOptionsPC; }

private:
    // The same from any record, as filling the panel from one needs.
    void ShowSizeValues(const TSettings& settings, int shownSize);
    QWidget* CreateOutputSheet();
    QWidget* CreateSizeSheet();
    QWidget* CreateBorderSheet();
    QWidget* CreateWatermarkSheet();
    QWidget* CreateAnnotationSheet();

    void OutputDimCBChange(int index);
    void OutputFormatCBChange();
    void PrefixIncludedRGClick();
    void OutputFolderBClick();
    void SizeButtonClick();
    void BorderUseCBClick();
    void BorderColorBClick();
    void WatermarkActiveCBClick();
    void WatermarkFileBClick();
    void AnnotationActiveCBClick();
    void AnnotationFontBClick();
    void ShowAnnotationFont();

    TSettings& FSettings;
    TPrompts& FPrompts;
    TSizeTool* FSizeTool = nullptr;
    int FShownSize = 0;
    TFontChoice FAnnotationFont;

    QTabWidget* FFastOptionsPC;

    QRadioButton* FRQHighRB;
    QRadioButton* FRQLowRB;
    QLineEdit* FOutputFolderEdit;
    QPushButton* FOutputFolderB;
    QComboBox* FOutputFormatCB;
    QLabel* FJPGQualityLabel;
    QSpinBox* FJPGQualitySE;
    QButtonGroup* FPrefixIncludedRG;
    QLineEdit* FCustomPrefixE;

    QComboBox* FOutputDimCB;
    QCheckBox* FProcessSizeCB;
    QSpinBox* FWidthSE;
    QSpinBox* FHeightSE;
    QPushButton* FSizeButton;

    QCheckBox* FBorderUseCB;
    QSpinBox* FBorderWidthSE;
    QPushButton* FBorderColorB;
    TSampleShape* FSampleShape;

    QCheckBox* FWatermarkActiveCB;
    QLineEdit* FWatermarkFileE;
    QPushButton* FWatermarkFileB;
    QSpinBox* FWatermarkXSE;
    QSpinBox* FWatermarkYSE;
    QComboBox* FWatermarkOperatorCB;

    QCheckBox* FAnnotationActiveCB;
    QPushButton* FAnnotationFontB;
    QLineEdit* FAnnotationTextMemo;
    QSpinBox* FAnnotationXSE;
    QSpinBox* FAnnotationYSE;
    QComboBox* FAnnotationGravityCB;
};
