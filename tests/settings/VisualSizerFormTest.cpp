#include "VisualSizerForm.h"

#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct TSizer {
    TVisualSizerForm Form;
    QSlider* WidthTB = Form.findChild<QSlider*>(QStringLiteral("WidthTB"));
    QSlider* HeightTB = Form.findChild<QSlider*>(QStringLiteral("HeightTB"));
    QSpinBox* WidthSE = Form.findChild<QSpinBox*>(QStringLiteral("WidthSE"));
    QSpinBox* HeightSE = Form.findChild<QSpinBox*>(QStringLiteral("HeightSE"));
    QPushButton* OKButton = Form.findChild<QPushButton*>(QStringLiteral("OKButton"));
    QPushButton* CancelButton = Form.findChild<QPushButton*>(QStringLiteral("CancelButton"));

    // Runs ShowSizeTool and acts on the window while it is shown modally.
    bool Show(int& width, int& height, const std::function<void()>& inside) {
        bool ran = false;
        QTimer::singleShot(0, &Form, [&] {
            ran = true;
            EXPECT_TRUE(Form.isVisible());
            EXPECT_EQ(QApplication::activeModalWidget(), &Form);
            inside();
            if (Form.isVisible()) {
                ADD_FAILURE() << "the size tool was left open";
                Form.reject();
            }
        });
        const bool accepted = Form.ShowSizeTool(width, height);
        EXPECT_TRUE(ran);
        return accepted;
    }
};

void TypeInto(QSpinBox* spin, const QString& text) {
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, text);
}

// Where the style draws the centre of the thumb at the position, in the window's coordinates.
int ThumbCentreInWindow(const QSlider* slider, int value) {
    const int start = slider->orientation() == Qt::Horizontal ? slider->x() : slider->y();
    return start + SliderThumbCentre(slider, value);
}

TEST(VisualSizerForm, WindowAsDesigned) {
    TSizer sizer;
    EXPECT_EQ(sizer.Form.windowTitle(), QStringLiteral("Visual Resizer"));
    EXPECT_EQ(sizer.Form.size(), QSize(772, 536));
    EXPECT_TRUE(sizer.Form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(sizer.Form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(sizer.OKButton->isDefault());
    for (QSpinBox* spin : {sizer.WidthSE, sizer.HeightSE}) {
        EXPECT_EQ(spin->minimum(), 1);
        EXPECT_EQ(spin->maximum(), 10000);
        EXPECT_EQ(spin->singleStep(), 10);
    }
    EXPECT_EQ(sizer.WidthTB->maximum(), 2000);
    EXPECT_EQ(sizer.HeightTB->maximum(), 1500);
    EXPECT_EQ(sizer.WidthTB->tickInterval(), 10);
    EXPECT_EQ(sizer.HeightTB->tickInterval(), 10);
    EXPECT_EQ(sizer.Form.SizeRectangle().topLeft(), QPoint(63, 104));
}

// Each thumb stands on the rectangle's edge that it moves, one pixel per position.
TEST(VisualSizerForm, ThumbsStandOnTheRectangleEdges) {
    TSizer sizer;
    for (int value : {0, 1, 137, 1000, 1500}) {
        SCOPED_TRACE(value);
        sizer.Form.SetWidth(value);
        sizer.Form.SetHeight(value);
        const QRect shape = sizer.Form.SizeRectangle();
        EXPECT_EQ(ThumbCentreInWindow(sizer.WidthTB, value), shape.left() + shape.width());
        EXPECT_EQ(ThumbCentreInWindow(sizer.HeightTB, value), shape.top() + shape.height());
    }
    EXPECT_EQ(ThumbCentreInWindow(sizer.WidthTB, 2000), 63 + 2000);
}

TEST(VisualSizerForm, WidthBeyondTheSliderIsKeptAndReturned) {
    TSizer sizer;
    int width = 3000;
    int height = 200;
    const bool accepted = sizer.Show(width, height, [&] {
        EXPECT_EQ(sizer.WidthTB->value(), 2000);
        EXPECT_EQ(sizer.WidthSE->value(), 3000);
        EXPECT_EQ(sizer.Form.SizeRectangle().width(), 3000);
        EXPECT_EQ(sizer.HeightTB->value(), 200);
        EXPECT_EQ(sizer.Form.SizeRectangle().height(), 200);
        sizer.OKButton->click();
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(width, 3000);
    EXPECT_EQ(height, 200);
}

TEST(VisualSizerForm, SliderAtZeroGivesTheSpinMinimum) {
    TSizer sizer;
    int width = 640;
    int height = 480;
    const bool accepted = sizer.Show(width, height, [&] {
        QTest::keyClick(sizer.WidthTB, Qt::Key_Home);
        QTest::keyClick(sizer.HeightTB, Qt::Key_Home);
        EXPECT_EQ(sizer.WidthTB->value(), 0);
        EXPECT_EQ(sizer.WidthSE->value(), 1);
        EXPECT_EQ(sizer.HeightSE->value(), 1);
        EXPECT_EQ(sizer.Form.SizeRectangle().size(), QSize(0, 0));
        sizer.OKButton->click();
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(width, 1);
    EXPECT_EQ(height, 1);
}

TEST(VisualSizerForm, TypingMovesSliderAndRectangleAtOnce) {
    TSizer sizer;
    sizer.Form.show();
    sizer.Form.SetWidth(300);
    sizer.Form.SetHeight(300);
    TypeInto(sizer.HeightSE, QStringLiteral("450"));
    EXPECT_EQ(sizer.HeightTB->value(), 450);
    EXPECT_EQ(sizer.Form.SizeRectangle().height(), 450);
    TypeInto(sizer.WidthSE, QStringLiteral("1200"));
    EXPECT_EQ(sizer.WidthTB->value(), 1200);
    EXPECT_EQ(sizer.Form.SizeRectangle().width(), 1200);
    // Moving a slider by keyboard moves the spin edit and the rectangle.
    QTest::keyClick(sizer.HeightTB, Qt::Key_Down);
    EXPECT_EQ(sizer.HeightSE->value(), 451);
    EXPECT_EQ(sizer.Form.SizeRectangle().height(), 451);

    // The rectangle is painted at the chosen size.
    TypeInto(sizer.HeightSE, QStringLiteral("250"));
    const QImage shot = sizer.Form.grab().toImage();
    const QRect shape = sizer.Form.SizeRectangle();
    ASSERT_EQ(shape, QRect(63, 104, 1200, 250));
    EXPECT_EQ(shot.pixelColor(shape.left() + 300, shape.top() + 100), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(shape.left() + 300, shape.bottom()), QColor(Qt::black));
    EXPECT_NE(shot.pixelColor(shape.left() + 300, shape.bottom() + 5), QColor(Qt::white));
    sizer.Form.hide();
}

// Every way of closing the tool other than OK refuses, also after an earlier OK.
TEST(VisualSizerForm, RefusalAfterAnEarlierOkReportsNothingAccepted) {
    struct TWay {
        const char* Name;
        std::function<void(TSizer&)> Close;
    };
    const TWay ways[] = {
        {"Cancel", [](TSizer& s) { s.CancelButton->click(); }},
        {"Escape", [](TSizer& s) { QTest::keyClick(&s.Form, Qt::Key_Escape); }},
        {"close box", [](TSizer& s) { s.Form.close(); }},
    };
    TSizer sizer;
    for (const TWay& way : ways) {
        SCOPED_TRACE(way.Name);
        int width = 100;
        int height = 100;
        EXPECT_TRUE(sizer.Show(width, height, [&] {
            TypeInto(sizer.WidthSE, QStringLiteral("640"));
            sizer.OKButton->click();
        }));
        EXPECT_EQ(width, 640);

        EXPECT_FALSE(sizer.Show(width, height, [&] {
            EXPECT_EQ(sizer.WidthSE->value(), 640);
            TypeInto(sizer.WidthSE, QStringLiteral("900"));
            TypeInto(sizer.HeightSE, QStringLiteral("700"));
            way.Close(sizer);
        }));
        EXPECT_EQ(width, 640);
        EXPECT_EQ(height, 100);
        EXPECT_FALSE(sizer.Form.Accepted());
    }
}

TEST(VisualSizerForm, PlacementRules) {
    EXPECT_EQ(SizerRectangleSize(-5, 20), QSize(0, 20));
    EXPECT_EQ(SizerRectangleSize(3000, 20000), QSize(3000, 10000));
    EXPECT_EQ(SliderStartFor(63, 11), 52);
    EXPECT_EQ(SliderLengthFor(2000, 2040, 2020), 2020);
}

} // namespace
