#include "qt/bidi_paragraphs.h"

#include <QStringList>

namespace velmora::ui {

namespace {

// Lines of one block sit close; a gap of about half a line parts blocks.
constexpr const char* kLineMargins = "margin:0";
constexpr const char* kGapMargins = "margin:0; margin-top:6px";
constexpr const char* kNoWrap = "; white-space:nowrap";

}  // namespace

QString ParagraphsAsHtml(const QString& text, bool wrap) {
    QString html;
    bool afterGap = false;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.isEmpty()) {
            afterGap = !html.isEmpty();
            continue;
        }
        const bool rightToLeft = line.isRightToLeft();
        html += QStringLiteral("<p dir=\"%1\" align=\"%2\" style=\"%3\">%4</p>")
                    .arg(QLatin1String(rightToLeft ? "rtl" : "ltr"), QLatin1String(rightToLeft ? "right" : "left"),
                         QLatin1String(afterGap ? kGapMargins : kLineMargins) + QLatin1String(wrap ? "" : kNoWrap),
                         line.toHtmlEscaped());
        afterGap = false;
    }
    return html;
}

}  // namespace velmora::ui
