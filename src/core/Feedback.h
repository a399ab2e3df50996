#pragma once

#include <QString>

namespace glimtex {

// The title of every notice and of the clipboard question.
inline const QString kNoticeTitle = QStringLiteral("お知らせ");

// Everything through which the engine speaks to the person at the screen: the beep,
// notices with an OK button and Yes/No questions. The windows sound and show them;
// tests count them and answer for the user. Nothing here may block the engine for
// longer than the user takes to answer.
class Feedback {
  public:
    virtual ~Feedback() = default;
    virtual void Beep() = 0;
    // A notice: title (normally "お知らせ"), text, one OK button, no icon.
    virtual void ShowNotice(const QString& title, const QString& text) = 0;
    // A question with Yes (the default) and No; true on Yes.
    virtual bool AskYesNo(const QString& title, const QString& text) = 0;
    // What a beep was about (a file and the reason), for a console that can say it;
    // the windows keep to the beep.
    virtual void Detail(const QString& text) { Q_UNUSED(text); }
    // A notice that was not shown because the run had shown enough of them; a
    // console reports it all the same.
    virtual void NoticeLeftOut(const QString& title, const QString& text) {
        Q_UNUSED(title);
        Q_UNUSED(text);
    }
};

// The system clipboard.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void SetText(const QString& text) = 0;
    // The same fragment twice: as its source text, which a plain-text or HTML-source
    // editor pastes, and as HTML, which a rich-text editor pastes as decorated text.
    // A clipboard that holds only text keeps the source.
    virtual void SetTextAndHtml(const QString& text, const QString& html) {
        Q_UNUSED(html);
        SetText(text);
    }
};

}  // namespace glimtex
