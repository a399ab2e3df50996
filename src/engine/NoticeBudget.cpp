#include "engine/NoticeBudget.h"

namespace glimtex {

QString LeftOutNoticesMessage(int count) {
    return QStringLiteral("ほかに %1 件のお知らせがありました").arg(count);
}

void NoticeBudget::ShowNotice(const QString& title, const QString& text) {
    if (depth_ > 0) {
        if (shown_ >= kNoticesPerRun) {
            ++leftOut_;
            user_.NoticeLeftOut(title, text);
            return;
        }
        ++shown_;
    }
    user_.ShowNotice(title, text);
}

NoticeBudget::Run::Run(NoticeBudget& budget) : budget_(budget) {
    if (budget_.depth_++ == 0) {
        budget_.shown_ = 0;
        budget_.leftOut_ = 0;
    }
}

NoticeBudget::Run::~Run() {
    if (--budget_.depth_ > 0 || budget_.leftOut_ == 0) return;
    const int leftOut = budget_.leftOut_;
    budget_.leftOut_ = 0;
    budget_.user_.ShowNotice(kNoticeTitle, LeftOutNoticesMessage(leftOut));
}

}  // namespace glimtex
