#include "html/BoardSummary.h"

#include "core/StyleNames.h"
#include "html/HtmlGenerator.h"

namespace glimtex {

namespace {

// Leading blanks are ideographic spaces: two before an arrow, four before ">".
const QString kArrow = QStringLiteral("　　→");
const QString kDetail = QStringLiteral("　　　　>");

QString Rgb(const ColorTriple& rgb) {
    return QStringLiteral("RGB(%1, %2, %3)").arg(rgb[0]).arg(rgb[1]).arg(rgb[2]);
}

class SummaryPrinter {
  public:
    void Print(const QString& text, bool red = false) { lines_.append(SummaryLine{text, red}); }
    void Blank() { lines_.append(SummaryLine{}); }
    QList<SummaryLine> Lines() && { return std::move(lines_); }

  private:
    QList<SummaryLine> lines_;
};

void PrintText(SummaryPrinter& p, const DecorationSettings& s) {
    p.Print(QStringLiteral("◇文字列"));
    p.Print(kArrow + s.text);
    p.Blank();
}

void PrintSize(SummaryPrinter& p, const DecorationSettings& s) {
    p.Print(QStringLiteral("◇文字のサイズなど についての情報"));
    if (s.size == 0) {
        p.Print(kArrow + QStringLiteral("文字サイズ 未設定"));
    } else {
        p.Print(kArrow + QStringLiteral("文字サイズ ") + QString::number(s.size));
    }
    if (s.position == Position::Superscript) {
        p.Print(kArrow + QStringLiteral("文字位置"));
        p.Print(kDetail + QStringLiteral("上付文字"));
    } else if (s.position == Position::Subscript) {
        p.Print(kArrow + QStringLiteral("文字位置"));
        p.Print(kDetail + QStringLiteral("下付文字"));
    }
    if (s.face != StyleNames::kNoFace) {
        p.Print(kArrow + QStringLiteral("使用フォント ") + s.face);
    }
    p.Blank();
}

void PrintDecoration(SummaryPrinter& p, const DecorationSettings& s) {
    p.Print(QStringLiteral("◇文字修飾 についての情報"));
    if (s.emphasis.bold) p.Print(kArrow + QStringLiteral("太字"));
    if (s.emphasis.italic) p.Print(kArrow + QStringLiteral("斜体"));
    if (s.emphasis.underline) p.Print(kArrow + QStringLiteral("アンダーライン"));
    if (s.emphasis.strikeThrough) p.Print(kArrow + QStringLiteral("削除線"));
    p.Blank();
}

void PrintColor(SummaryPrinter& p, const DecorationSettings& s) {
    p.Print(QStringLiteral("◇文字の色 についての情報"));
    p.Print(kArrow + QStringLiteral("色スタイル"));
    p.Print(kDetail + StyleNames::Of(s.colorStyle, s.unknownColorStyle));
    p.Print(kArrow + QStringLiteral("色情報"));
    p.Print(kDetail + QStringLiteral("A色 ") + Rgb(s.colors[0]));
    if (s.colorStyle == ColorStyle::Gradation) {
        p.Print(kDetail + QStringLiteral("B色 ") + Rgb(s.colors[1]));
        // The further stops go on from "C色", one letter each.
        for (qsizetype k = 0; k < s.moreStops.size(); ++k) {
            const QChar letter(static_cast<char16_t>(u'C' + k));
            p.Print(kDetail + letter + QStringLiteral("色 ") + Rgb(s.moreStops[k]));
        }
        if (s.gradientSpace == GradientSpace::Oklab) {
            p.Print(kArrow + QStringLiteral("混色"));
            p.Print(kDetail + StyleNames::Of(s.gradientSpace));
        }
    }
    p.Blank();
}

void PrintShape(SummaryPrinter& p, const DecorationSettings& s) {
    p.Print(QStringLiteral("◇文字の形状 についての情報"));
    p.Print(kArrow + QStringLiteral("文字の形状"));
    p.Print(kDetail + StyleNames::Of(s.shape, s.unknownShape));
    p.Blank();
}

void PrintBackground(SummaryPrinter& p, const DecorationSettings& s) {
    p.Print(QStringLiteral("◇背景 についての情報"));
    p.Print(kArrow + QStringLiteral("背景スタイル"));
    p.Print(kDetail + StyleNames::Of(s.background, s.unknownBackground));
    if (s.background == Background::Color) {
        p.Print(kArrow + QStringLiteral("背景色"));
        p.Print(kDetail + Rgb(s.backgroundColor));
    } else if (s.background == Background::Picture) {
        p.Print(kArrow + QStringLiteral("背景画像ファイル"));
        p.Print(kDetail + s.backgroundPicture);
    }
    p.Blank();
}

void PrintLink(SummaryPrinter& p, const DecorationSettings& s) {
    p.Print(QStringLiteral("◇リンク についての情報"));
    if (s.link == LinkStyle::Address) {
        p.Print(kArrow + QStringLiteral("リンク設定"));
        p.Print(kDetail + s.linkAddress);
    } else {
        p.Print(kArrow + QStringLiteral("なし"));
    }
    p.Blank();
}

// The two newer formats say what they are; BBCode also what it leaves out.
void PrintFormat(SummaryPrinter& p, const DecorationSettings& s) {
    if (s.format != FragmentFormat::Css && s.format != FragmentFormat::Bbcode) return;
    p.Print(QStringLiteral("◇出力形式 についての情報"));
    p.Print(kArrow + (s.format == FragmentFormat::Css ? FormatText::kCss : FormatText::kBbcode));
    if (s.format == FragmentFormat::Bbcode) {
        p.Print(kDetail +
                QStringLiteral("上付・下付文字、フォント、背景はBBCodeにないため出力しません"));
    }
    p.Blank();
}

}  // namespace

QList<SummaryLine> BoardSummary(const DecorationSettings& s) {
    SummaryPrinter p;
    p.Print(QStringLiteral("　Glimtexは以下の情報を確保しました。"));
    p.Print(QStringLiteral("作成された情報を確認してください"));
    p.Blank();
    PrintText(p, s);
    PrintSize(p, s);
    PrintDecoration(p, s);
    PrintColor(p, s);
    PrintShape(p, s);
    PrintBackground(p, s);
    PrintLink(p, s);
    PrintFormat(p, s);
    if (HtmlGenerator::Refuses(s)) {
        p.Print(QStringLiteral("文字サイズの未設定によるエラー"), true);
    }
    return std::move(p).Lines();
}

}  // namespace glimtex
