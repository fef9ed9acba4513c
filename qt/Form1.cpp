#include "Form1.h"

#include "app_icon.h"
#include "design/window_builder.h"
#include "view_glue.h"
#include "window/form1_design.h"
#include "window/texts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora::ui {

Form1::Form1(platform::Services& services, ProgramLifetime& lifetime, double dpi)
    : services_(services),
      lifetime_(lifetime),
      dpi_(dpi),
      logic_(
          *this, services, [this]() -> window::frmAbout& { return MakeAbout().logic(); },
          [this]() -> window::frmToPersian& { return MakeToPersian().logic(); }),
      area_(BuildMainWindow(window::kForm1Design, *this, dpi)) {
    setObjectName(QStringLiteral("Form1"));
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
    menus_ = new MenuBar(*this, window::Form1Menus(), [this](window::MenuCommand command) { logic_.Menu_Click(command); });
    FitToDesignedArea(*this);

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

frmToPersian& Form1::MakeToPersian() {
    toPersian_ = std::make_unique<frmToPersian>(services_, dpi_);
    lifetime_.Track(*toPersian_);
    return *toPersian_;
}

std::string Form1::Text(std::string_view control) { return ControlText(*this, control).toStdString(); }

void Form1::SetText(std::string_view control, std::string_view utf8) { SetControlText(*this, control, utf8); }

void Form1::SetDescription(std::string_view control, std::string_view utf8) {
    DescribeResult(ControlWidget(*this, control), utf8);
}

void Form1::FocusAndSelectAll(std::string_view control) { FocusAndSelect(*this, control); }

void Form1::SetResultNote(std::string_view utf8) { note_->Show(ToQString(utf8)); }

void Form1::CopyToClipboard(std::string_view utf8) { QGuiApplication::clipboard()->setText(ToQString(utf8)); }

void Form1::SetCopyEnabled(bool enabled) { menus_->SetEnabled(window::MenuCommand::CopyResult, enabled); }

}  // namespace velmora::ui
