#include "Form1.h"

#include "app_icon.h"
#include "bidi_paragraphs.h"
#include "design/window_builder.h"
#include "window/form1_design.h"
#include "window/texts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora::ui {

Form1::Form1(platform::Services& services, ProgramLifetime& lifetime, double dpi)
    : services_(services),
      lifetime_(lifetime),
      dpi_(dpi),
      logic_(*this, services, [this]() -> window::frmAbout& { return MakeAbout().logic(); }) {
    BuildWindow(window::kForm1Design, *this, dpi);
    setWindowIcon(AppIcon());
    // Results can be selected and copied, not edited; they keep their focus stop.
    for (const char* result : {"Text4", "Text5", "Text6"}) Control<QLineEdit>(*this, result).setReadOnly(true);
    Control<QLabel>(*this, "Label4").setBuddy(&Control<QLineEdit>(*this, "Text1"));
    Control<QLabel>(*this, "Label1").setBuddy(&Control<QLineEdit>(*this, "Text1"));
    Control<QLabel>(*this, "Label2").setBuddy(&Control<QLineEdit>(*this, "Text2"));
    Control<QLabel>(*this, "Label3").setBuddy(&Control<QLineEdit>(*this, "Text3"));
    Control<QLabel>(*this, "Label5").setBuddy(&Control<QLineEdit>(*this, "Text4"));
    DescribeControls(window::Form1AccessibleTexts(), *this);
    note_ = std::make_unique<ResultNote>(*this, ControlWidget(*this, "Text4"), ControlWidget(*this, "Text6"), dpi);

    connect(&Control<QPushButton>(*this, "Command1"), &QPushButton::clicked, this, [this] { logic_.Command1_Click(); });
    connect(&Control<QPushButton>(*this, "Command2"), &QPushButton::clicked, this, [this] { logic_.Command2_Click(); });
    connect(&Control<QPushButton>(*this, "Command3"), &QPushButton::clicked, this, [this] { logic_.Command3_Click(); });
    connect(&Control<QPushButton>(*this, "Command4"), &QPushButton::clicked, this, [this] { logic_.Command4_Click(); });
    lifetime_.Track(*this);
}

Form1::~Form1() = default;

frmAbout& Form1::MakeAbout() {
    about_ = std::make_unique<frmAbout>(services_, dpi_);
    lifetime_.Track(*about_);
    return *about_;
}

std::string Form1::Text(std::string_view control) { return ControlText(*this, control).toStdString(); }

void Form1::SetText(std::string_view control, std::string_view utf8) { SetControlText(*this, control, utf8); }

// Screen readers get the plain lines; the tool tip lays each line out in
// its own direction.
void Form1::SetDescription(std::string_view control, std::string_view utf8) {
    QWidget& widget = ControlWidget(*this, control);
    const QString text = ToQString(utf8);
    widget.setAccessibleDescription(text);
    widget.setToolTip(ParagraphsAsHtml(text, false));
}

void Form1::FocusAndSelectAll(std::string_view control) {
    auto& box = Control<QLineEdit>(*this, std::string(control).c_str());
    box.setFocus(Qt::OtherFocusReason);
    box.selectAll();
}

void Form1::SetResultNote(std::string_view utf8) { note_->Show(ToQString(utf8)); }

}  // namespace velmora::ui
