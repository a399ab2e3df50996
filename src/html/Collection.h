#pragma once

#include <QList>
#include <QString>

#include "core/DecorationSettings.h"
#include "html/FragmentModel.h"
#include "html/FragmentSink.h"
#include "html/HtmlGenerator.h"

namespace glimtex {

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

}  // namespace glimtex
