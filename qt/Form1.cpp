#include "Form1.h"

#include "M_convert.h"
#include "app_icon.h"
#include "window/form1_design.h"
#include "design/window_builder.h"
#include "run_time_error_report.h"

namespace velmora::ui {
namespace {

constexpr CalendarTarget kIslamic{&PersianToIslamic, "قمري", "Islamic"};
constexpr CalendarTarget kGregorian{&PersianToGregorian, "ميلادي", "Gregorian"};
constexpr CalendarTarget kHebrew{&PersianToHebrew, "هبريو", "Hebrew"};

// What a screen reader says of each box and button beyond its caption.
constexpr AccessibleText kAccessibleTexts[] = {
    {"Text1", "Persian year", "Year of the Persian (Solar Hijri) date to convert"},
    {"Text2", "Persian month", "Month of the Persian date to convert, 1 for Farvardin"},
    {"Text3", "Persian day", "Day of the Persian date to convert"},
    {"Text4", "Result year", "Year of the converted date; no conversion yet"},
    {"Text5", "Result month", "Month of the converted date; no conversion yet"},
    {"Text6", "Result day", "Day of the converted date; no conversion yet"},
    {"Command1", nullptr, "Convert to the Islamic lunar calendar"},
    {"Command2", nullptr, "Convert to the Gregorian calendar (Julian up to 4 October 1582)"},
    {"Command3", nullptr, "Convert to the Hebrew calendar"},
    {"Command4", nullptr, "About Velmora"},
    // Label5's name is always the calendar name it shows.
    {"Label5", nullptr, "Calendar of the converted date"},
};

// Converts an input box's text, read just now, to a date field; a failure
// keeps the box for the error report.
std::int16_t ReadInput(QLineEdit& box, const QLabel& heading) {
    const QString text = box.text();
    try {
        return ParseInt16(text.toStdString());
    } catch (const RuntimeError& error) {
        throw InputBoxError(error, box, heading);
    }
}

QString FormatField(std::int16_t value) { return QString::fromStdString(FormatInt16(value)); }

bool BuildForm1(QWidget& window, double dpi) {
    BuildWindow(kForm1Design, window, dpi);
    return true;
}

}  // namespace

Form1::Form1(platform::Services& services, ProgramLifetime& lifetime, double dpi)
    : services_(services),
      lifetime_(lifetime),
      dpi_(dpi),
      built_(BuildForm1(*this, dpi)),
      text1_(Control<QLineEdit>(*this, "Text1")),
      text2_(Control<QLineEdit>(*this, "Text2")),
      text3_(Control<QLineEdit>(*this, "Text3")),
      text4_(Control<QLineEdit>(*this, "Text4")),
      text5_(Control<QLineEdit>(*this, "Text5")),
      text6_(Control<QLineEdit>(*this, "Text6")),
      label1_(Control<QLabel>(*this, "Label1")),
      label2_(Control<QLabel>(*this, "Label2")),
      label3_(Control<QLabel>(*this, "Label3")),
      label5_(Control<QLabel>(*this, "Label5")) {
    setWindowIcon(AppIcon());
    // Results can be selected and copied, not edited; they keep their focus stop.
    for (QLineEdit* result : {&text4_, &text5_, &text6_}) result->setReadOnly(true);
    Control<QLabel>(*this, "Label4").setBuddy(&text1_);
    label1_.setBuddy(&text1_);
    label2_.setBuddy(&text2_);
    label3_.setBuddy(&text3_);
    label5_.setBuddy(&text4_);
    ui::DescribeControls(kAccessibleTexts, *this);

    connect(&Control<QPushButton>(*this, "Command1"), &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(&Control<QPushButton>(*this, "Command2"), &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(&Control<QPushButton>(*this, "Command3"), &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(&Control<QPushButton>(*this, "Command4"), &QPushButton::clicked, this, &Form1::Command4_Click);
    lifetime_.Track(*this);
}

Form1::~Form1() = default;

void Form1::Command1_Click() { ConvertTo(kIslamic); }
void Form1::Command2_Click() { ConvertTo(kGregorian); }
void Form1::Command3_Click() { ConvertTo(kHebrew); }

void Form1::Command4_Click() {
    RunReportingErrors(services_.messageBox, [this] {
        if (!about_) {
            about_ = std::make_unique<frmAbout>(services_, dpi_);
            lifetime_.Track(*about_);
        }
        about_->Show();
    });
}

// Reads each input box just before converting it, converts the date with the
// button's entry point and writes the results only once that has succeeded:
// a failure anywhere leaves the result boxes and Label5 as they were.
void Form1::ConvertTo(const CalendarTarget& target) {
    RunReportingErrors(services_.messageBox, [&] {
        DateFields date{};
        date.year = ReadInput(text1_, label1_);
        date.month = ReadInput(text2_, label2_);
        date.day = ReadInput(text3_, label3_);
        target.convert(date.year, date.month, date.day);
        text4_.setText(FormatField(date.year));
        text5_.setText(FormatField(date.month));
        text6_.setText(FormatField(date.day));
        label5_.setText(QString::fromUtf8(target.labelCaption));
        DescribeResults(target.calendarName);
    });
}

void Form1::DescribeResults(const char* calendarName) {
    const QString calendar = QString::fromUtf8(calendarName);
    text4_.setAccessibleDescription(QStringLiteral("Year of the date in the %1 calendar").arg(calendar));
    text5_.setAccessibleDescription(QStringLiteral("Month of the date in the %1 calendar").arg(calendar));
    text6_.setAccessibleDescription(QStringLiteral("Day of the date in the %1 calendar").arg(calendar));
}

}  // namespace velmora::ui
