#include "FastOptionsPanel.h"
#include "FastOptionsRules.h"
#include "ImageThread.h"
#include "OptionLists.h"
#include "PrefixKeyFilter.h"
#include "Prompts.h"
#include "ScriptedPrompts.h"
#include "SettingsStore.h"
#include "TestSupport.h"
#include "VisualSizerForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

using namespace ZVTest;

namespace {

// Stands in for the size tool window.
class TScriptedSizeTool : public TSizeTool {
public:
    std::vector<QSize> Shown;
    std::optional<QSize> Answer;

    bool ShowSizeTool(int& width, int& height) override {
        Shown.emplace_back(width, height);
        if (!Answer)
            return false;
        width = Answer->width();
        height = Answer->height();
        return true;
    }
};

// A record with every key of the panel away from its default.
TSettings PanelSample() {
    TSettings s;
    s.JPG_QUALITY = 35;
    s.THUMB_WIDTH = 120;
    s.THUMB_HEIGHT = 90;
    s.MEDIUM_WIDTH = 400;
    s.MEDIUM_HEIGHT = 300;
    s.LARGE_WIDTH = 1024;
    s.LARGE_HEIGHT = 768;
    s.PROCESS_THUMB = false;
    s.PROCESS_MEDIUM = true;
    s.PROCESS_LARGE = false;
    s.RQ_HIGH = true;
    s.PREFIX_INCLUDED = false;
    s.OUTPUT_FOLDER = QStringLiteral("/srv/pictures/out/");
    s.BORDER_USE = true;
    s.BORDER_COLOR = 0x00336699;
    s.BORDER_WIDTH = 7;
    s.OUTPUT_FORMAT = QStringLiteral("GIF");
    s.CUSTOM_PREFIX = QStringLiteral("web_");
    s.WATERMARK_ACTIVE = true;
    s.WATERMARK_FILE = QStringLiteral("/srv/pictures/logo.png");
    s.WATERMARK_X = 12;
    s.WATERMARK_Y = 34;
    s.WATERMARK_OPERATOR = 30;
    s.ANNOTATION_FONT_NAME = TestFontFile(QStringLiteral("LiberationSerif-BoldItalic.ttf"));
    s.ANNOTATION_FONT_SIZE = 21;
    s.ANNOTATION_FONT_COLOR = 0x00123456;
    s.ANNOTATION_X = 56;
    s.ANNOTATION_Y = 78;
    s.ANNOTATION_TEXT = QStringLiteral("(c) Zoravel");
    s.ANNOTATION_ACTIVE = true;
    s.ANNOTATION_GRAVITY = 9;
    return s;
}

// The keys a collect writes, copied from one record into another.
void CopyPanelKeys(const TSettings& from, TSettings& to, bool allSizes) {
    to.JPG_QUALITY = from.JPG_QUALITY;
    to.LARGE_WIDTH = from.LARGE_WIDTH;
    to.LARGE_HEIGHT = from.LARGE_HEIGHT;
    to.PROCESS_LARGE = from.PROCESS_LARGE;
    if (allSizes) {
        to.MEDIUM_WIDTH = from.MEDIUM_WIDTH;
        to.MEDIUM_HEIGHT = from.MEDIUM_HEIGHT;
        to.PROCESS_MEDIUM = from.PROCESS_MEDIUM;
        to.THUMB_WIDTH = from.THUMB_WIDTH;
        to.THUMB_HEIGHT = from.THUMB_HEIGHT;
        to.PROCESS_THUMB = from.PROCESS_THUMB;
    }
    to.RQ_HIGH = from.RQ_HIGH;
    to.PREFIX_INCLUDED = from.PREFIX_INCLUDED;
    to.OUTPUT_FOLDER = from.OUTPUT_FOLDER;
    to.BORDER_USE = from.BORDER_USE;
    to.BORDER_COLOR = from.BORDER_COLOR;
    to.BORDER_WIDTH = from.BORDER_WIDTH;
    to.OUTPUT_FORMAT = from.OUTPUT_FORMAT;
    to.CUSTOM_PREFIX = from.CUSTOM_PREFIX;
    to.WATERMARK_ACTIVE = from.WATERMARK_ACTIVE;
    to.WATERMARK_FILE = from.WATERMARK_FILE;
    to.WATERMARK_X = from.WATERMARK_X;
    to.WATERMARK_Y = from.WATERMARK_Y;
    to.WATERMARK_OPERATOR = from.WATERMARK_OPERATOR;
    to.ANNOTATION_FONT_NAME = from.ANNOTATION_FONT_NAME;
    to.ANNOTATION_FONT_SIZE = from.ANNOTATION_FONT_SIZE;
    to.ANNOTATION_FONT_COLOR = from.ANNOTATION_FONT_COLOR;
    to.ANNOTATION_X = from.ANNOTATION_X;
    to.ANNOTATION_Y = from.ANNOTATION_Y;
    to.ANNOTATION_TEXT = from.ANNOTATION_TEXT;
    to.ANNOTATION_ACTIVE = from.ANNOTATION_ACTIVE;
    to.ANNOTATION_GRAVITY = from.ANNOTATION_GRAVITY;
}

// Keys the panel does not edit, away from their defaults, to see that a collect keeps them.
TSettings WithOtherKeysChanged(TSettings s) {
    s.EMAIL_DIMENSION = 0;
    s.LIST_ICONS = 1;
    s.SHOW_PREVIEW = false;
    s.OPEN_AFTER_PROC = false;
    s.MAX_SIZE = 900;
    s.CONN_SPEED = 128000;
    s.PICTURE_TASK = false;
    s.XP_BAR = false;
    return s;
}

class FastOptionsPanel : public ::testing::Test {
protected:
    TSettings Record = PanelSample();
    TScriptedPrompts Prompts;
    TFastOptionsPanel Panel{Record, Prompts};

    template <class T> T* Control(const char* name) {
        T* control = Panel.findChild<T*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void TypeInto(QSpinBox* spin, const QString& text) {
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, text);
    }
    // The user picks an item of the size list with the keyboard.
    void ChooseShownSize(int index) {
        auto* list = Control<QComboBox>("OutputDimCB");
        while (list->currentIndex() < index)
            QTest::keyClick(list, Qt::Key_Down);
        while (list->currentIndex() > index)
            QTest::keyClick(list, Qt::Key_Up);
    }
};

TEST_F(FastOptionsPanel, TabsAndControlsAsNamed) {
    auto* pages = Control<QTabWidget>("FastOptionsPC");
    ASSERT_EQ(pages->count(), 5);
    const char* tabs[] = {"Output", "Size", "Border", "Watermark", "Annotation"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(pages->tabText(i), QString::fromUtf8(tabs[i]));
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(Panel.PageControl(), pages);

    for (const char* name : {"JPGQualitySE", "WidthSE", "HeightSE", "BorderWidthSE", "WatermarkXSE",
                             "WatermarkYSE", "AnnotationXSE", "AnnotationYSE"})
        Control<QSpinBox>(name);
    for (const char* name :
         {"OutputFormatCB", "OutputDimCB", "WatermarkOperatorCB", "AnnotationGravityCB"})
        Control<QComboBox>(name);
    for (const char* name :
         {"ProcessSizeCB", "BorderUseCB", "WatermarkActiveCB", "AnnotationActiveCB"})
        Control<QCheckBox>(name);
    for (const char* name :
         {"OutputFolderEdit", "CustomPrefixE", "WatermarkFileE", "AnnotationTextMemo"})
        Control<QLineEdit>(name);
    for (const char* name : {"SizeButton", "BorderColorB", "WatermarkFileB", "AnnotationFontB"})
        Control<QPushButton>(name);
    Control<QGroupBox>("PrefixIncludedRG");
    Control<QWidget>("SampleShape");

    EXPECT_TRUE(Control<QLineEdit>("OutputFolderEdit")->isReadOnly());
    EXPECT_EQ(Control<QRadioButton>("PrefixCustomRB")->text(), QStringLiteral("Custom "));
    EXPECT_EQ(Control<QComboBox>("OutputDimCB")->count(), 3);
    EXPECT_EQ(Control<QComboBox>("OutputFormatCB")->itemText(3), QStringLiteral("GIF"));
    auto* operators = Control<QComboBox>("WatermarkOperatorCB");
    auto* gravities = Control<QComboBox>("AnnotationGravityCB");
    ASSERT_EQ(operators->count(), 32);
    ASSERT_EQ(gravities->count(), 11);
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(operators->itemText(i), ComposeOperatorNames()[i]);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(gravities->itemText(i), GravityNames()[i]);

    struct TRange {
        const char* Name;
        TSpinRange Range;
    };
    const TRange ranges[] = {
        {"JPGQualitySE", {0, 100, 5}},    {"WidthSE", {1, 10000, 5}},
        {"HeightSE", {1, 10000, 5}},      {"BorderWidthSE", {1, 100, 1}},
        {"WatermarkXSE", {0, 10000, 1}},  {"WatermarkYSE", {0, 10000, 1}},
        {"AnnotationXSE", {0, 10000, 1}}, {"AnnotationYSE", {0, 10000, 1}},
    };
    for (const TRange& r : ranges) {
        SCOPED_TRACE(r.Name);
        auto* spin = Control<QSpinBox>(r.Name);
        EXPECT_EQ(spin->minimum(), r.Range.Min);
        EXPECT_EQ(spin->maximum(), r.Range.Max);
        EXPECT_EQ(spin->singleStep(), r.Range.Step);
    }
}

TEST_F(FastOptionsPanel, FillAndCollectRoundTripEveryKey) {
    Panel.FillOptionsPanel(Record);
    EXPECT_EQ(Control<QSpinBox>("JPGQualitySE")->value(), 35);
    EXPECT_TRUE(Control<QRadioButton>("RQHighRB")->isChecked());
    EXPECT_EQ(Control<QComboBox>("OutputFormatCB")->currentText(), QStringLiteral("GIF"));
    EXPECT_EQ(Control<QComboBox>("OutputDimCB")->currentText(), QStringLiteral("LARGE"));
    EXPECT_EQ(Control<QSpinBox>("WidthSE")->value(), 1024);
    EXPECT_EQ(Control<QComboBox>("WatermarkOperatorCB")->currentText(), QStringLiteral("Screen"));
    EXPECT_EQ(Control<QComboBox>("AnnotationGravityCB")->currentText(),
              QStringLiteral("SouthEast"));
    const QFont shown = Control<QLineEdit>("AnnotationTextMemo")->font();
    EXPECT_EQ(shown.family(), QStringLiteral("Liberation Serif"));
    EXPECT_TRUE(shown.bold());
    EXPECT_TRUE(shown.italic());
    EXPECT_EQ(shown.pointSize(), 21);

    // The sizes not shown keep what the target record holds.
    const TSettings base = WithOtherKeysChanged(TSettings());
    TSettings collected = base;
    Panel.CollectOptionsPanel(collected);
    TSettings expected = base;
    CopyPanelKeys(Record, expected, false);
    EXPECT_EQ(collected, expected);

    // Through the size list the other two sizes come back as well.
    TSettings all = WithOtherKeysChanged(TSettings());
    for (int shown : {ShownLarge, ShownMedium, ShownThumbnail}) {
        ChooseShownSize(shown);
        Panel.CollectOptionsPanel(all);
    }
    TSettings expectedAll = WithOtherKeysChanged(TSettings());
    CopyPanelKeys(Record, expectedAll, true);
    EXPECT_EQ(all, expectedAll);
}

// Each shown size puts its own record values into the three size controls.
TEST_F(FastOptionsPanel, ShowSizeValuesOfEachSize) {
    Panel.FillOptionsPanel(Record);
    const struct {
        int Shown;
        TSizeValues Values;
    } cases[] = {{ShownLarge, {1024, 768, false}},
                 {ShownMedium, {400, 300, true}},
                 {ShownThumbnail, {120, 90, false}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Shown);
        EXPECT_EQ(ShownSizeValues(Record, c.Shown), c.Values);
        Panel.ShowSizeValues(c.Shown);
        EXPECT_EQ(Control<QSpinBox>("WidthSE")->value(), c.Values.Width);
        EXPECT_EQ(Control<QSpinBox>("HeightSE")->value(), c.Values.Height);
        EXPECT_EQ(Control<QCheckBox>("ProcessSizeCB")->isChecked(), c.Values.Include);
    }
}

TEST_F(FastOptionsPanel, FormatSelectionAndQualityVisibility) {
    const struct {
        const char* Stored;
        int Index;
        bool Quality;
        const char* Collected;
    } cases[] = {
        {"png", 1, false, "PNG"}, {"TIFF", -1, false, ""}, {"jpg", 0, true, "JPG"},
        {"Bmp", 2, false, "BMP"}, {"", -1, false, ""},     {"JPEG", -1, false, ""},
    };
    auto* list = Control<QComboBox>("OutputFormatCB");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Stored);
        EXPECT_EQ(OutputFormatIndex(QString::fromUtf8(c.Stored)), c.Index);
        Record.OUTPUT_FORMAT = QString::fromUtf8(c.Stored);
        Panel.FillOptionsPanel(Record);
        EXPECT_EQ(list->currentIndex(), c.Index);
        EXPECT_EQ(!Control<QSpinBox>("JPGQualitySE")->isHidden(), c.Quality);
        EXPECT_EQ(!Control<QLabel>("JPGQualityLabel")->isHidden(), c.Quality);
        TSettings collected;
        Panel.CollectOptionsPanel(collected);
        EXPECT_EQ(collected.OUTPUT_FORMAT, QString::fromUtf8(c.Collected));
    }
    // Choosing JPG shows the quality at once, and another format hides it.
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(list->currentText(), QStringLiteral("JPG"));
    EXPECT_FALSE(Control<QSpinBox>("JPGQualitySE")->isHidden());
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_TRUE(Control<QSpinBox>("JPGQualitySE")->isHidden());
}

TEST_F(FastOptionsPanel, SizeSwitchKeepsTypedWidthAndWritesNoFile) {
    TSandBox box;
    const QString ini = box.File(QStringLiteral("Zoravel.ini"));
    SaveSettings(Record, ini);
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    Panel.FillOptionsPanel(Record);
    auto* width = Control<QSpinBox>("WidthSE");
    TypeInto(width, QStringLiteral("777"));
    EXPECT_EQ(Record.LARGE_WIDTH, 1024);

    ChooseShownSize(ShownMedium);
    EXPECT_EQ(Panel.ShownSize(), ShownMedium);
    EXPECT_EQ(Record.LARGE_WIDTH, 777);
    EXPECT_EQ(width->value(), 400);
    TypeInto(width, QStringLiteral("410"));

    ChooseShownSize(ShownLarge);
    EXPECT_EQ(width->value(), 777);
    EXPECT_EQ(Record.MEDIUM_WIDTH, 410);

    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);

    // A fill shows Large again.
    ChooseShownSize(ShownThumbnail);
    Panel.FillOptionsPanel(Record);
    EXPECT_EQ(Panel.ShownSize(), ShownLarge);
    EXPECT_EQ(Control<QComboBox>("OutputDimCB")->currentIndex(), ShownLarge);
}

TEST(PrefixKeyFilter, RefusedCharacters) {
    for (QChar c : QStringLiteral("\"*/:<>?\\|"))
        EXPECT_TRUE(IsRefusedPrefixKey(c)) << int(c.unicode());
    for (QChar c : QStringLiteral(" aZ09_-.,;'()[]{}#~!@$%^&+=`\u00e9\u00ff\u20ac"))
        EXPECT_FALSE(IsRefusedPrefixKey(c)) << int(c.unicode());
    EXPECT_FALSE(IsRefusedPrefixKey(QChar(0x16)));
    EXPECT_FALSE(IsRefusedPrefixKey(QChar(0x7F)));
    // Look-alikes beyond 127 are not tested.
    EXPECT_FALSE(IsRefusedPrefixKey(QChar(0xFF1F)));
}

TEST_F(FastOptionsPanel, TypedRefusedKeysAreSwallowedPastedTextIsNot) {
    Panel.FillOptionsPanel(Record);
    auto* prefix = Control<QLineEdit>("CustomPrefixE");
    prefix->clear();
    prefix->setFocus();
    QTest::keyClicks(prefix, QStringLiteral("a?b*c|d:e"));
    EXPECT_EQ(prefix->text(), QStringLiteral("abcde"));
    QTest::keyClick(prefix, Qt::Key_Backspace);
    EXPECT_EQ(prefix->text(), QStringLiteral("abcd"));

    QApplication::clipboard()->setText(QStringLiteral("x?y"));
    QTest::keyClick(prefix, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(prefix->text(), QStringLiteral("abcdx?y"));
    TSettings collected;
    Panel.CollectOptionsPanel(collected);
    EXPECT_EQ(collected.CUSTOM_PREFIX, QStringLiteral("abcdx?y"));
}

TEST_F(FastOptionsPanel, DefaultPrefixDisablesTheCustomBox) {
    Panel.FillOptionsPanel(Record);
    auto* prefix = Control<QLineEdit>("CustomPrefixE");
    EXPECT_TRUE(prefix->isEnabled());
    Control<QRadioButton>("PrefixDefaultRB")->click();
    EXPECT_FALSE(prefix->isEnabled());
    TSettings collected;
    Panel.CollectOptionsPanel(collected);
    EXPECT_TRUE(collected.PREFIX_INCLUDED);
    Control<QRadioButton>("PrefixCustomRB")->click();
    EXPECT_TRUE(prefix->isEnabled());
    Panel.CollectOptionsPanel(collected);
    EXPECT_FALSE(collected.PREFIX_INCLUDED);

    Record.PREFIX_INCLUDED = true;
    Panel.FillOptionsPanel(Record);
    EXPECT_FALSE(prefix->isEnabled());
    EXPECT_TRUE(Control<QRadioButton>("PrefixDefaultRB")->isChecked());
}

// Each decoration box enables its controls, and decides the run's decoration flag.
TEST_F(FastOptionsPanel, DecorationBoxesEnableTheirControlsAndFlags) {
    struct TBox {
        const char* Box;
        std::vector<const char*> Controls;
        quint8 Flag;
    };
    const TBox boxes[] = {
        {"BorderUseCB", {"BorderWidthSE", "BorderColorB"}, RunBorder},
        {"WatermarkActiveCB",
         {"WatermarkFileE", "WatermarkFileB", "WatermarkXSE", "WatermarkYSE",
          "WatermarkOperatorCB"},
         RunWatermark},
        {"AnnotationActiveCB",
         {"AnnotationFontB", "AnnotationTextMemo", "AnnotationXSE", "AnnotationYSE",
          "AnnotationGravityCB"},
         RunAnnotation},
    };
    Panel.FillOptionsPanel(Record);
    EXPECT_EQ(Panel.AddDecorationFlags(RunFit), RunFit | RunDecorationFlags);
    for (const TBox& b : boxes) {
        SCOPED_TRACE(b.Box);
        auto* box = Control<QCheckBox>(b.Box);
        ASSERT_TRUE(box->isChecked());
        box->click();
        for (const char* name : b.Controls)
            EXPECT_FALSE(Control<QWidget>(name)->isEnabled()) << name;
        EXPECT_EQ(Panel.AddDecorationFlags(RunFit | RunEmail) & b.Flag, 0);
        EXPECT_TRUE(Panel.AddDecorationFlags(RunFit | RunEmail) & RunEmail);
        box->click();
        for (const char* name : b.Controls)
            EXPECT_TRUE(Control<QWidget>(name)->isEnabled()) << name;
        EXPECT_EQ(Panel.AddDecorationFlags(0) & b.Flag, b.Flag);
    }
    // The record follows only at the next collect.
    Control<QCheckBox>("WatermarkActiveCB")->click();
    EXPECT_TRUE(Record.WATERMARK_ACTIVE);
    Panel.CollectOptionsPanel(Record);
    EXPECT_FALSE(Record.WATERMARK_ACTIVE);
    EXPECT_EQ(Panel.AddDecorationFlags(RunFit), RunFit | RunBorder | RunAnnotation);

    Panel.FillOptionsPanel(TSettings());
    EXPECT_EQ(Panel.AddDecorationFlags(RunFit), RunFit);
    EXPECT_FALSE(Control<QWidget>("WatermarkFileE")->isEnabled());
    EXPECT_FALSE(Control<QWidget>("BorderColorB")->isEnabled());
}

TEST(FastOptionsRules, DecorationFlags) {
    EXPECT_EQ(AddDecorationFlags(RunFit, false, false, false), RunFit);
    EXPECT_EQ(AddDecorationFlags(RunFit, true, false, false), RunFit | RunBorder);
    EXPECT_EQ(AddDecorationFlags(RunFit | RunScreenSaver, false, true, false),
              RunFit | RunScreenSaver | RunWatermark);
    EXPECT_EQ(AddDecorationFlags(RunFit | RunEmail, false, false, true),
              RunFit | RunEmail | RunAnnotation);
    EXPECT_EQ(AddDecorationFlags(0, true, true, true), RunDecorationFlags);
}

// Values outside a control's range are shown clamped and collected as shown.
TEST_F(FastOptionsPanel, OutOfRangeValuesAreClampedAndCollected) {
    TSettings odd = Record;
    odd.BORDER_WIDTH = 0;
    odd.JPG_QUALITY = 150;
    odd.LARGE_WIDTH = 0;
    odd.LARGE_HEIGHT = 20000;
    odd.WATERMARK_X = -5;
    odd.ANNOTATION_Y = 12000;
    odd.WATERMARK_OPERATOR = 40;
    odd.ANNOTATION_GRAVITY = -1;
    Panel.FillOptionsPanel(odd);
    EXPECT_EQ(Control<QSpinBox>("BorderWidthSE")->value(), 1);
    TSettings collected = odd;
    Panel.CollectOptionsPanel(collected);
    EXPECT_EQ(collected.BORDER_WIDTH, 1);
    EXPECT_EQ(collected.JPG_QUALITY, 100);
    EXPECT_EQ(collected.LARGE_WIDTH, 1);
    EXPECT_EQ(collected.LARGE_HEIGHT, 10000);
    EXPECT_EQ(collected.WATERMARK_X, 0);
    EXPECT_EQ(collected.ANNOTATION_Y, 10000);
    EXPECT_EQ(collected.WATERMARK_OPERATOR, 31);
    EXPECT_EQ(collected.ANNOTATION_GRAVITY, 0);

    EXPECT_EQ(ClampToSpin(0, BorderWidthSpin), 1);
    EXPECT_EQ(ClampToSpin(101, BorderWidthSpin), 100);
    EXPECT_EQ(ClampToSpin(-1, QualitySpin), 0);
    EXPECT_EQ(ClampToSpin(5000, SizeSpin), 5000);
    EXPECT_EQ(ClampListIndex(40, 32), 31);
    EXPECT_EQ(ClampListIndex(-3, 11), 0);
    EXPECT_EQ(ClampListIndex(4, 11), 4);
    EXPECT_EQ(ClampListIndex(0, 0), -1);
}

TEST(FastOptionsRules, SampleRectangleGeometry) {
    const struct {
        int Pen;
        QRect Inner;
    } cases[] = {
        {1, QRect(1, 1, 83, 55)},
        {7, QRect(7, 7, 71, 43)},
        {28, QRect(28, 28, 29, 1)},
        {29, QRect()},
        {100, QRect()},
        {0, QRect(0, 0, 85, 57)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Pen);
        EXPECT_EQ(SampleInnerRect(SampleShapeSize, c.Pen), c.Inner);
    }
}

TEST(FastOptionsRules, ColoursAreStoredBlueGreenRed) {
    EXPECT_EQ(ToQColor(0x000000FF), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(0x00FF0000), QColor(0, 0, 255));
    EXPECT_EQ(ToQColor(0x00336699), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(ToTColor(QColor(0, 255, 0)), 0x0000FF00u);
    EXPECT_EQ(ToTColor(QColor(0x12, 0x34, 0x56)), 0x00563412u);
    EXPECT_EQ(ToTColor(ToQColor(0x00ABCDEF)), 0x00ABCDEFu);
}

TEST_F(FastOptionsPanel, SampleFollowsWidthAndColour) {
    Panel.FillOptionsPanel(Record);
    auto* sample = Control<TSampleShape>("SampleShape");
    EXPECT_EQ(sample->size(), QSize(85, 57));
    EXPECT_EQ(sample->PenWidth(), 7);
    EXPECT_EQ(sample->PenColour(), 0x00336699u);

    TypeInto(Control<QSpinBox>("BorderWidthSE"), QStringLiteral("12"));
    EXPECT_EQ(sample->PenWidth(), 12);
    const QImage shot = sample->grab().toImage();
    EXPECT_EQ(shot.pixelColor(11, 30), ToQColor(0x00336699));
    EXPECT_EQ(shot.pixelColor(12, 30), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(84, 56), ToQColor(0x00336699));

    // The colour dialog opens at the sample's colour; Cancel keeps it.
    Prompts.AnswerColour(std::nullopt);
    Control<QPushButton>("BorderColorB")->click();
    const std::vector<TPromptCall> asked = Prompts.CallsOf(TPromptCall::PickColour);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].InitialColour, ToQColor(0x00336699));
    EXPECT_EQ(sample->PenColour(), 0x00336699u);
    Prompts.AnswerColour(QColor(255, 0, 0));
    Control<QPushButton>("BorderColorB")->click();
    EXPECT_EQ(sample->PenColour(), 0x000000FFu);
    EXPECT_EQ(sample->grab().toImage().pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(Record.BORDER_COLOR, 0x00336699u);
    TSettings collected;
    Panel.CollectOptionsPanel(collected);
    EXPECT_EQ(collected.BORDER_COLOR, 0x000000FFu);
    EXPECT_EQ(collected.BORDER_WIDTH, 12);
}

TEST_F(FastOptionsPanel, FolderButtonOpensAtTheRecordsFolder) {
    Panel.FillOptionsPanel(Record);
    auto* folder = Control<QLineEdit>("OutputFolderEdit");
    auto* button = Control<QPushButton>("OutputFolderB");
    EXPECT_EQ(button->text(), QStringLiteral("..."));
    Prompts.AnswerFolder(QStringLiteral("/srv/elsewhere/"));
    button->click();
    EXPECT_EQ(folder->text(), QStringLiteral("/srv/elsewhere/"));
    Prompts.AnswerFolder(QStringLiteral("/srv/third"));
    button->click();
    EXPECT_EQ(folder->text(), QStringLiteral("/srv/third/"));
    Prompts.AnswerFolder(std::nullopt);
    button->click();
    EXPECT_EQ(folder->text(), QStringLiteral("/srv/third/"));

    const std::vector<TPromptCall> asked = Prompts.CallsOf(TPromptCall::PickFolder);
    ASSERT_EQ(asked.size(), 3u);
    for (const TPromptCall& call : asked) {
        EXPECT_EQ(call.FolderRequest.Caption, QStringLiteral("Select Output Folder"));
        EXPECT_EQ(call.FolderRequest.StartFolder, QStringLiteral("/srv/pictures/out/"));
        EXPECT_TRUE(call.FolderRequest.AllowNewFolder);
    }
    Panel.CollectOptionsPanel(Record);
    EXPECT_EQ(Record.OUTPUT_FOLDER, QStringLiteral("/srv/third/"));
    Prompts.AnswerFolder(std::nullopt);
    button->click();
    EXPECT_EQ(Prompts.Calls().back().FolderRequest.StartFolder, QStringLiteral("/srv/third/"));
}

TEST_F(FastOptionsPanel, SizeButtonUsesTheSizeTool) {
    Panel.FillOptionsPanel(Record);
    auto* button = Control<QPushButton>("SizeButton");
    auto* width = Control<QSpinBox>("WidthSE");
    auto* height = Control<QSpinBox>("HeightSE");
    button->click(); // no size tool yet: nothing happens
    EXPECT_EQ(width->value(), 1024);

    TScriptedSizeTool tool;
    Panel.SetSizeTool(&tool);
    button->click();
    EXPECT_EQ(width->value(), 1024);
    tool.Answer = QSize(1600, 1200);
    button->click();
    EXPECT_EQ(width->value(), 1600);
    EXPECT_EQ(height->value(), 1200);
    tool.Answer = QSize(20000, 0);
    button->click();
    EXPECT_EQ(width->value(), 10000);
    EXPECT_EQ(height->value(), 1);
    const std::vector<QSize> shown = {{1024, 768}, {1024, 768}, {1600, 1200}};
    EXPECT_EQ(tool.Shown, shown);
}

TEST_F(FastOptionsPanel, WatermarkFileButtonTakesTheChosenFile) {
    TSandBox box;
    const QString logo = box.WriteImage(QStringLiteral("marks/logo.png"), 40, 20);
    Panel.FillOptionsPanel(Record);
    auto* file = Control<QLineEdit>("WatermarkFileE");
    Prompts.AnswerFiles({});
    Control<QPushButton>("WatermarkFileB")->click();
    EXPECT_EQ(file->text(), QStringLiteral("/srv/pictures/logo.png"));
    Prompts.AnswerFiles({logo});
    Control<QPushButton>("WatermarkFileB")->click();
    EXPECT_EQ(file->text(), logo);

    const std::vector<TPromptCall> asked = Prompts.CallsOf(TPromptCall::OpenFiles);
    ASSERT_EQ(asked.size(), 2u);
    const TOpenFileRequest& request = asked.back().OpenRequest;
    EXPECT_EQ(request.Title, QStringLiteral("Watermark image"));
    EXPECT_EQ(
        request.Filter,
        QStringLiteral("All Supported File Types|*.jpg;*.jpeg;*.bmp;*.gif;*.png;*.tif;*."
                       "tiff;|JPG|*.jpg;*.jpeg|BMP|*.bmp|GIF|*.gif|PNG|*.png|TIFF|*.tif;*.tiff"));
    EXPECT_FALSE(request.Multiple);
    EXPECT_EQ(asked[0].OpenRequest.InitialFolder, QStringLiteral("/srv/pictures"));
}

TEST_F(FastOptionsPanel, FontDialogChangesTheTextBoxAtOnceAndTheKeysAtCollect) {
    Panel.FillOptionsPanel(Record);
    auto* text = Control<QLineEdit>("AnnotationTextMemo");
    auto* button = Control<QPushButton>("AnnotationFontB");
    Prompts.AnswerFont(std::nullopt);
    button->click();
    const std::vector<TPromptCall> asked = Prompts.CallsOf(TPromptCall::PickFont);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].InitialFont.Font.family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(asked[0].InitialFont.Font.pointSize(), 21);
    EXPECT_EQ(asked[0].InitialFont.Colour, ToQColor(0x00123456));
    EXPECT_EQ(text->font().family(), QStringLiteral("Liberation Serif"));

    QFont chosen(QStringLiteral("DejaVu Sans Mono"));
    chosen.setBold(true);
    chosen.setPointSize(30);
    Prompts.AnswerFont(TFontDialogChoice{chosen, QColor(0, 0, 255)});
    button->click();
    EXPECT_EQ(text->font().family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_TRUE(text->font().bold());
    EXPECT_FALSE(text->font().italic());
    EXPECT_EQ(text->font().pointSize(), 30);
    EXPECT_EQ(text->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(Record.ANNOTATION_FONT_SIZE, 21);

    Panel.CollectOptionsPanel(Record);
    EXPECT_EQ(Record.ANNOTATION_FONT_NAME, TestFontFile(QStringLiteral("DejaVuSansMono-Bold.ttf")));
    EXPECT_EQ(Record.ANNOTATION_FONT_SIZE, 30);
    EXPECT_EQ(Record.ANNOTATION_FONT_COLOR, 0x00FF0000u);
}

} // namespace
