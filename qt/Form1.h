// The converter window Form1 in Qt: the converter window of its design,
// with the About button and the program's other windows, which it makes on
// first use.
#pragma once

#include "platform/services.h"
#include "qt/frmAbout.h"
#include "qt/frmToPersian.h"
#include "qt/program_lifetime.h"
#include "qt/qt_holiday_window.h"
#include "qt/qt_converter_window.h"
#include "window/converter_window.h"

#include <memory>

namespace velmora::ui {

class Form1 final : public ConverterWindow {
    Q_OBJECT

public:
    // dpi: the logical DPI the design's twips are turned into pixels with.
    Form1(platform::Services& services, ProgramLifetime& lifetime, double dpi);
    ~Form1() override;

    // The About box, once Command4 has created it.
    frmAbout* aboutBox() const { return about_.get(); }

    // The window "به هجری شمسی", once it has been opened.
    frmToPersian* toPersianWindow() const { return toPersian_.get(); }

    // The window «تعطیلات رسمی سال», once it has been opened.
    HolidayWindow* holidayWindow() const { return holidays_.get(); }

private:
    window::ConverterPane& Pane() override { return logic_; }

    platform::Services& services_;
    ProgramLifetime& lifetime_;
    const double dpi_;
    window::Form1 logic_;
    std::unique_ptr<frmAbout> about_;
    std::unique_ptr<frmToPersian> toPersian_;
    std::unique_ptr<HolidayWindow> holidays_;
};

}  // namespace velmora::ui
