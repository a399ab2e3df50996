#pragma once

#include <QList>
#include <QString>

#include "core/DecorationSettings.h"
#include "html/FragmentModel.h"
#include "html/HtmlGenerator.h"

namespace glimtex {

// The notice text of a run refused because no size is set for a shape.
inline const QString kRefusalMessage = QStringLiteral("ソースの作成ができません");
// The notice text of a run refused because a value is too large for the generator.
extern const QString kOverflowMessage;

enum class RunOutcome {
    Done,      // the fragment was built and added to the collection
    Refused,   // the settings cannot be turned into HTML; nothing changed
    Overflow,  // a value is out of range; the collection is exactly as it was
};

// Where the fragments of a run go, one after the other: a create starts again, a
// docking adds one more. Fragments are joined by CR LF, with none before the first
// and none after the last.
class FragmentSink {
  public:
    virtual ~FragmentSink() = default;
    // Empties the collection: the next fragment is the first.
    virtual void Restart() = 0;
    // Builds one fragment onto the collection. False, with the collection exactly as
    // it was, when the 16-bit arithmetic of the run would overflow.
    virtual bool Add(HtmlGenerator& generator, const DecorationSettings& s) = 0;
};

// The collected fragments as the windows show them: the HTML text and, beside it,
// each fragment's model of what a browser shows. Both grow in place, so docking costs
// what the fragment adds however long the collection is; both are shared, not copied,
// by whoever keeps them after a restart.
class Collection : public FragmentSink {
  public:
    void Restart() override;
    bool Add(HtmlGenerator& generator, const DecorationSettings& s) override;

    const QString& Text() const { return text_; }
    const QList<FragmentModel>& Models() const { return models_; }
    bool IsEmpty() const { return text_.isEmpty(); }

  private:
    QString text_;
    QList<FragmentModel> models_;
};

// The one generation step of every run: checks the settings, then builds the
// fragment onto the sink.
RunOutcome GenerateInto(FragmentSink& sink, HtmlGenerator& generator, const DecorationSettings& s);

}  // namespace glimtex
