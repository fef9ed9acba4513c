#include "qt/Form1.h"

#include "qt/design/qt_window_builder.h"
#include "qt/qt_modeless_window.h"
#include "window/converter_designs.h"

#include <QPushButton>

namespace velmora::ui {

Form1::Form1(platform::Services& services, ProgramLifetime& lifetime, double dpi)
    : ConverterWindow(window::Form1ConverterDesign(), "Form1", dpi),
      services_(services),
      lifetime_(lifetime),
      dpi_(dpi),
      logic_(
          *this, services,
          [this]() -> window::frmAbout& { return MakeModeless(about_, lifetime_, services_, dpi_).logic(); },
          [this]() -> window::frmToPersian& {
              return MakeModeless(toPersian_, lifetime_, services_, dpi_).logic();
          },
          [this]() -> window::HolidayListWindow& {
              return MakeModeless(holidays_, lifetime_, services_, dpi_).logic();
          }) {
    connect(&Control<QPushButton>(*this, "Command4"), &QPushButton::clicked, this, [this] { logic_.Command4_Click(); });
    lifetime_.Track(*this);
}

Form1::~Form1() = default;

}  // namespace velmora::ui
