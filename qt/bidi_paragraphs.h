// Text whose lines read in different directions, a Persian sentence and an
// English one, as rich text that Qt's labels, tool tips and text documents
// lay out line by line in each line's own direction.
#pragma once

#include <QString>

namespace velmora::ui {

// Each line of text becomes a paragraph in the direction of its first
// strong character (right to left for Persian, left to right for English)
// and aligned to that side; an empty line becomes a small gap. Without
// this, a widget lays out all lines in its own direction (left to right),
// and a Persian sentence with Latin words or numbers in it reads in the
// wrong order.
// With wrap false, no line breaks within a paragraph: for short lines in
// windows that pick their own width, such as tool tips.
QString ParagraphsAsHtml(const QString& text, bool wrap = true);

}  // namespace velmora::ui
