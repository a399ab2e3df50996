#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "core/Feedback.h"

namespace glimtex {

// A Feedback that only counts and records; questions answer with a preset reply.
class RecordingFeedback : public Feedback {
  public:
    struct Message {
        QString title;
        QString text;
    };
    int beeps = 0;
    QStringList details;
    QList<Message> notices;
    QList<Message> questions;
    QList<Message> leftOut;
    bool answer = true;

    void Beep() override { ++beeps; }
    void ShowNotice(const QString& title, const QString& text) override {
        notices.append({title, text});
    }
    void Detail(const QString& text) override { details.append(text); }
    void NoticeLeftOut(const QString& title, const QString& text) override {
        leftOut.append({title, text});
    }
    bool AskYesNo(const QString& title, const QString& text) override {
        questions.append({title, text});
        return answer;
    }
};

}  // namespace glimtex
