#pragma once
#include "Messages.h"

#include <QList>
#include <QString>
#include <QStringList>

// Answers message boxes from a queue filled in advance and records every text
// shown, in order. A box nobody expected is recorded as unexpected and answered
// "No"/"Cancel", so a test fails on it instead of hanging.
class TestMessages : public IMessages {
public:
    TestMessages() { SetMessages(this); }
    ~TestMessages() override { SetMessages(nullptr); }

    void ExpectInfo() { answers_.append(Answer::Ok); }
    void ExpectYesNo(bool yes) { answers_.append(yes ? Answer::Yes : Answer::No); }
    void ExpectOkCancel(bool ok) { answers_.append(ok ? Answer::Ok : Answer::Cancel); }
    // A text question answered OK with `answer`, or cancelled.
    void ExpectText(const QString& answer)
    {
        answers_.append(Answer::Text);
        texts_.append(answer);
    }
    void ExpectTextCancel() { answers_.append(Answer::Cancel); }

    // Info and Warning are both OK-only boxes: ExpectInfo answers either.
    void Info(const QString& text) override { shown << text; take(Kind::Info, text); }
    void Warning(const QString& text) override
    {
        shown << text;
        warnings << text;
        take(Kind::Info, text);
    }
    bool AskYesNo(const QString& text) override
    {
        shown << text;
        return take(Kind::YesNo, text) == Answer::Yes;
    }
    bool AskOkCancel(const QString& text) override
    {
        shown << text;
        return take(Kind::OkCancel, text) == Answer::Ok;
    }
    bool AskText(const QString& prompt, QString* text) override
    {
        shown << prompt;
        if (take(Kind::Text, prompt) != Answer::Text)
            return false;
        *text = texts_.takeFirst();
        return true;
    }

    // Every text shown, in order.
    QStringList shown;
    // The texts shown as warnings (missing or wrong fields).
    QStringList warnings;
    // Boxes that came without a queued answer of their kind.
    QStringList unexpected;
    bool allAnswered() const { return answers_.isEmpty(); }

private:
    enum class Answer { Ok, Yes, No, Cancel, Text };
    enum class Kind { Info, YesNo, OkCancel, Text };

    static bool fits(Kind kind, Answer a)
    {
        switch (kind) {
        case Kind::Info: return a == Answer::Ok;
        case Kind::YesNo: return a == Answer::Yes || a == Answer::No;
        case Kind::OkCancel: return a == Answer::Ok || a == Answer::Cancel;
        case Kind::Text: return a == Answer::Text || a == Answer::Cancel;
        }
        return false;
    }

    Answer take(Kind kind, const QString& text)
    {
        if (answers_.isEmpty() || !fits(kind, answers_.first())) {
            unexpected << text;
            return Answer::Cancel;
        }
        return answers_.takeFirst();
    }

    QList<Answer> answers_;
    QStringList texts_; // the answers of the queued text questions, in order
};
