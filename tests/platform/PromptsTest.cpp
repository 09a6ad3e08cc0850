#include "Prompts.h"
#include "ScriptedPrompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <bit>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace ZVTest;

namespace {

TEST(PromptsTest, MessageDialogsAreCaptionedByTheirIcon) {
    QCoreApplication::setApplicationName(QStringLiteral("Zoravel Pro"));
    const struct {
        TPromptIcon Icon;
        const char* Caption;
    } cases[] = {{TPromptIcon::Warning, "Warning"},
                 {TPromptIcon::Error, "Error"},
                 {TPromptIcon::Information, "Information"},
                 {TPromptIcon::Confirmation, "Confirm"},
                 {TPromptIcon::None, "Zoravel Pro"}};
    for (const auto& c : cases) {
        TScriptedPrompts prompts;
        prompts.AnswerMessage(pbNo);
        EXPECT_EQ(MessageDlg(prompts, QStringLiteral("Go on?"), c.Icon, pbYesNo), pbNo);
        ASSERT_EQ(prompts.Calls().size(), 1);
        const TMessageRequest& shown = prompts.Calls()[0].MessageRequest;
        EXPECT_EQ(shown.Caption, QString::fromLatin1(c.Caption));
        EXPECT_EQ(shown.Icon, c.Icon);
        EXPECT_EQ(shown.Buttons, pbYesNo);
        EXPECT_EQ(shown.Text, QStringLiteral("Go on?"));
    }
}

TEST(PromptsTest, ApplicationErrorBoxClosesTheSentenceLikeTheToolkit) {
    QCoreApplication::setApplicationName(QStringLiteral("Zoravel Pro"));
    const struct {
        const char* Message;
        const char* Shown;
    } cases[] = {
        {"ImageMagick library not loaded", "ImageMagick library not loaded."},
        {"Invalid watermark image.", "Invalid watermark image."},
        {"Unable to write to /tmp/x.ini", "Unable to write to /tmp/x.ini."},
        {"Error sending mail (-1)", "Error sending mail (-1)"},
        {"Stopped!", "Stopped!"},
        {"", ""},
    };
    for (const auto& c : cases) {
        TScriptedPrompts prompts;
        prompts.AnswerMessage(pbOk);
        ShowApplicationError(prompts, QString::fromLatin1(c.Message));
        ASSERT_EQ(prompts.Calls().size(), 1);
        const TMessageRequest& shown = prompts.Calls()[0].MessageRequest;
        EXPECT_EQ(shown.Text, QString::fromLatin1(c.Shown));
        EXPECT_EQ(shown.Caption, QStringLiteral("Zoravel Pro"));
        EXPECT_EQ(shown.Icon, TPromptIcon::Error);
        EXPECT_EQ(shown.Buttons, pbOk);
    }
}

TEST(PromptsTest, DismissingABoxAnswersItsCancellingButton) {
    const struct {
        TPromptButtons Buttons;
        TPromptButton Escape;
    } cases[] = {{pbOk, pbOk},
                 {pbOkCancel, pbCancel},
                 {pbYesNo, pbNo},
                 {pbYesNoCancel, pbCancel},
                 {pbAbort | pbRetry | pbIgnore, pbAbort}};
    for (const auto& c : cases)
        EXPECT_EQ(EscapeButton(c.Buttons), c.Escape) << c.Buttons;
}

TEST(PromptsTest, FileFiltersBecomeToolkitFilters) {
    const struct {
        const char* Filter;
        const char* Expected;
    } cases[] = {
        {"All Supported File Types|*.jpg;*.jpeg;*.bmp;*.gif;*.png;*.tif;*.tiff;|JPG|*.jpg;*.jpeg|"
         "BMP|*.bmp|GIF|*.gif|PNG|*.png|TIFF|*.tif;*.tiff",
         "All Supported File Types (*.jpg *.jpeg *.bmp *.gif *.png *.tif *.tiff);;JPG (*.jpg "
         "*.jpeg);;BMP (*.bmp);;GIF (*.gif);;PNG (*.png);;TIFF (*.tif *.tiff)"},
        {"Text|*.txt", "Text (*.txt)"},
        {"", ""},
        {"Dangling description", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToolkitFileFilter(QString::fromLatin1(c.Filter)), QString::fromLatin1(c.Expected))
            << c.Filter;
}

TEST(PromptsTest, ScriptedAnswersComeInOrderAndAreRecorded) {
    TScriptedPrompts prompts;
    prompts.AnswerFiles({QStringLiteral("/a.jpg"), QStringLiteral("/b.png")});
    prompts.AnswerFolder(QStringLiteral("/out/"));
    prompts.AnswerColour(QColor(Qt::red));
    prompts.AnswerText(std::nullopt);

    EXPECT_EQ(prompts.OpenFiles({QStringLiteral("Open"), QString(), QString(), true}),
              QStringList({QStringLiteral("/a.jpg"), QStringLiteral("/b.png")}));
    EXPECT_EQ(prompts.PickFolder({QStringLiteral("Add Folder"), QString(), false}),
              QStringLiteral("/out/"));
    EXPECT_EQ(prompts.PickColour(Qt::black), QColor(Qt::red));
    EXPECT_EQ(prompts.QueryText({QStringLiteral("New Folder"), QStringLiteral("New folder name:"),
                                 QStringLiteral("New Folder")}),
              std::nullopt);
    ASSERT_EQ(prompts.Calls().size(), 4);
    EXPECT_EQ(prompts.Calls()[1].FolderRequest.Caption, QStringLiteral("Add Folder"));
    EXPECT_EQ(prompts.Calls()[2].InitialColour, QColor(Qt::black));
    EXPECT_EQ(prompts.Calls()[3].Query.Value, QStringLiteral("New Folder"));
    EXPECT_EQ(prompts.PendingAnswers(), 0);
}

TEST(PromptsTest, AnUnscriptedPromptFailsTheTestAndIsCancelled) {
    TPromptButton answer = pbOk;
    EXPECT_NONFATAL_FAILURE(
        {
            TScriptedPrompts prompts;
            answer = prompts.Message(
                {QStringLiteral("Really?"), QString(), TPromptIcon::Confirmation, pbYesNo});
        },
        "unscripted message: Really?");
    EXPECT_EQ(answer, pbNo);
    EXPECT_NONFATAL_FAILURE(
        {
            TScriptedPrompts prompts;
            prompts.AnswerFolder(QStringLiteral("/x/"));
        },
        "never asked for");
}

// The real message box: the button pressed comes back as ours.
TEST(PromptsTest, TheToolkitMessageBoxAnswersWithThePressedButton) {
    const struct {
        TPromptButtons Buttons;
        QMessageBox::StandardButton Press;
        TPromptButton Expected;
    } cases[] = {{pbYesNo, QMessageBox::Yes, pbYes},
                 {pbYesNo, QMessageBox::No, pbNo},
                 {pbOkCancel, QMessageBox::Cancel, pbCancel},
                 {pbOk, QMessageBox::Ok, pbOk}};
    for (const auto& c : cases) {
        TQtPrompts prompts;
        QStringList offered;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer presser;
        presser.setInterval(0);
        QObject::connect(&presser, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            presser.stop();
            for (QAbstractButton* b : box->buttons())
                offered << b->text().remove(QLatin1Char('&'));
            icon = box->icon();
            box->button(c.Press)->click();
        });
        presser.start();
        EXPECT_EQ(prompts.Message({QStringLiteral("Question"), QStringLiteral("Confirm"),
                                   TPromptIcon::Confirmation, c.Buttons}),
                  c.Expected);
        EXPECT_EQ(icon, QMessageBox::Question);
        EXPECT_EQ(offered.size(), std::popcount(c.Buttons));
    }
}

} // namespace
