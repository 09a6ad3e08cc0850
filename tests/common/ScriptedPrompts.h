#pragma once

#include "Prompts.h"

#include <QList>

#include <deque>
#include <variant>
#include <vector>

namespace ZVTest {

// One prompt the program asked for, with everything it passed.
struct TPromptCall {
    enum TKind { Message, OpenFiles, PickFolder, PickColour, PickFont, QueryText };
    TKind Kind = Message;
    TMessageRequest MessageRequest{};
    TOpenFileRequest OpenRequest{};
    TFolderRequest FolderRequest{};
    QColor InitialColour{};
    TFontDialogChoice InitialFont{};
    TTextQuery Query{};
};

// Answers prompts from a script, in order, and records every call. A prompt without a
// scripted answer of its kind fails the test and is answered as if cancelled; answers left
// unused when the object goes fail the test too.
class TScriptedPrompts : public TPrompts {
public:
    ~TScriptedPrompts() override;

    void AnswerMessage(TPromptButton button);
    void AnswerFiles(const QStringList& files);
    void AnswerFolder(const std::optional<QString>& folder);
    void AnswerColour(const std::optional<QColor>& colour);
    void AnswerFont(const std::optional<TFontDialogChoice>& font);
    void AnswerText(const std::optional<QString>& text);

    const QList<TPromptCall>& Calls() const { return FCalls; }
    // The calls of one kind, in order.
    std::vector<TPromptCall> CallsOf(TPromptCall::TKind kind) const;
    int PendingAnswers() const { return static_cast<int>(FAnswers.size()); }

    TPromptButton Message(const TMessageRequest& request) override;
    QStringList OpenFiles(const TOpenFileRequest& request) override;
    std::optional<QString> PickFolder(const TFolderRequest& request) override;
    std::optional<QColor> PickColour(const QColor& initial) override;
    std::optional<TFontDialogChoice> PickFont(const TFontDialogChoice& initial) override;
    std::optional<QString> QueryText(const TTextQuery& query) override;

private:
    using TAnswer = std::variant<TPromptButton, QStringList, std::optional<QString>,
                                 std::optional<QColor>, std::optional<TFontDialogChoice>>;
    struct TScripted {
        TPromptCall::TKind Kind;
        TAnswer Answer;
    };
    // The next answer when it is of the kind asked for; fails the test otherwise.
    std::optional<TAnswer> Next(TPromptCall::TKind kind, const QString& what);
    // Records the call and gives the next answer of its kind; without one, the cancel result.
    template <typename TResult> TResult Ask(const TPromptCall& call, const QString& what);

    std::deque<TScripted> FAnswers;
    QList<TPromptCall> FCalls;
};

} // namespace ZVTest
