// The converter window: a Persian date in, its Islamic, Gregorian or Hebrew
// equivalent out.
#pragma once

#include "frmAbout.h"
#include "platform/services.h"
#include "program_lifetime.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <cstdint>
#include <memory>

namespace velmora::ui {

// What one conversion button converts to.
struct CalendarTarget {
    void (*convert)(std::int16_t& year, std::int16_t& month, std::int16_t& day);
    const char* labelCaption;  // Label5's caption after a successful conversion
    const char* calendarName;  // English, for the result boxes' descriptions
};

class Form1 : public QWidget {
    Q_OBJECT

public:
    // dpi: the logical DPI the design's twips are turned into pixels with.
    Form1(platform::Services& services, ProgramLifetime& lifetime, double dpi);
    ~Form1() override;

    // The About box, once Command4 has created it.
    frmAbout* aboutBox() const { return about_.get(); }

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    void ConvertTo(const CalendarTarget& target);
    void DescribeResults(const char* calendarName);

    platform::Services& services_;
    ProgramLifetime& lifetime_;
    const double dpi_;
    const bool built_;  // the design's controls exist from here on
    QLineEdit& text1_;
    QLineEdit& text2_;
    QLineEdit& text3_;
    QLineEdit& text4_;
    QLineEdit& text5_;
    QLineEdit& text6_;
    QLabel& label1_;
    QLabel& label2_;
    QLabel& label3_;
    QLabel& label5_;
    std::unique_ptr<frmAbout> about_;
};

}  // namespace velmora::ui
