#include "view_glue.h"

#include "bidi_paragraphs.h"
#include "design/window_builder.h"

#include <QLineEdit>

#include <string>

namespace velmora::ui {

void DescribeResult(QWidget& control, std::string_view utf8) {
    const QString text = ToQString(utf8);
    control.setAccessibleDescription(text);
    control.setToolTip(ParagraphsAsHtml(text, false));
}

void FocusAndSelect(QWidget& window, std::string_view box) {
    auto& edit = Control<QLineEdit>(window, std::string(box).c_str());
    edit.setFocus(Qt::OtherFocusReason);
    edit.selectAll();
}

}  // namespace velmora::ui
