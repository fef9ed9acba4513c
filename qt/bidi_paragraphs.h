// Text whose lines read in different directions, a Persian sentence and an
// English one, as rich text that Qt's labels, tool tips and text documents
// lay out line by line in each line's own direction.
#pragma once

#include <QString>

namespace velmora::ui {

// Each line of text becomes a paragraph in the direction of its first
// strong character (right to left for Persian, left to right for English)
// and aligned to that side; an empty line becomes a small gap. The
// direction is stated, not left to the widget: a widget that lays a
// Persian sentence out in its own left-to-right direction puts its words,
// around Latin words and numbers, in the wrong order. With wrap false,
// paragraphs do not break: for short lines in windows that pick their own
// width, such as tool tips.
QString ParagraphsAsHtml(const QString& text, bool wrap = true);

}  // namespace velmora::ui
