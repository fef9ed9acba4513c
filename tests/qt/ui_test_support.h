// Helpers shared by the window tests: a message box that records instead of
// showing, and a converter window built with it.
#pragma once

#include "qt/Form1.h"
#include "platform/alert.h"
#include "platform/services.h"
#include "platform/posix/posix_file_saver.h"
#include "qt/program_lifetime.h"
#include "tests/support/fixed_clock.h"

#include <QLineEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QPushButton>
#include <QRect>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velmora::test {

class RecordingAlert final : public platform::Alert {
public:
    void Show(std::string_view text) override;

    std::vector<std::string> shown;
    // Runs while the "box" is open, before Show returns (as OK is pressed).
    std::function<void()> whileOpen;
};

// A registry without keys, a file look-up that finds nothing and a launcher
// that records: System Info then always reports that it is unavailable.
class EmptyRegistry final : public platform::Registry {
public:
    platform::RegistryResult OpenKey(platform::RegistryRoot, const std::string&, std::uint32_t, std::uint32_t,
                                     platform::RegistryKey&) override {
        return platform::kErrorFileNotFound;
    }
    platform::RegistryResult QueryValue(platform::RegistryKey, const std::string&, std::uint32_t&, unsigned char*,
                                        std::uint32_t&) override {
        return platform::kErrorInvalidHandle;
    }
    platform::RegistryResult CloseKey(platform::RegistryKey) override { return platform::kErrorInvalidHandle; }
};

class NoFiles final : public platform::FileLookup {
public:
    std::string FindFile(const std::string&, std::uint32_t) override { return ""; }
};

class RecordingLauncher final : public platform::ProgramLauncher {
public:
    void Launch(const std::string& path, int) override { launched.push_back(path); }
    std::vector<std::string> launched;
};

// The fakes together, as the windows take them.
struct FakeServices {
    RecordingAlert alert;
    EmptyRegistry registry;
    NoFiles files;
    RecordingLauncher launcher;
    FixedClock clock;
    platform::PosixFileSaver saver;  // the program's own, into a test's folder
    platform::Services services{alert, registry, files, launcher, clock, saver};
};

// A rectangle worked out at 96 DPI as it stands at dpi, which must be 96 or
// 192: every design value of the windows is a whole number of pixels at 96.
QRect ScaledFrom96(const QRect& at96, double dpi);

// Rich text laid out as a label or tool tip in the given direction lays it
// out, wide enough that every paragraph stays on one line. A paragraph
// without a direction of its own takes the widget's.
void LayOut(QTextDocument& document, const QString& html, Qt::LayoutDirection widgetDirection);

// The paragraph of document that contains needle, or an invalid block.
QTextBlock ParagraphWith(const QTextDocument& document, const QString& needle);

// The horizontal centre of the glyph that shows character index of a
// laid-out paragraph: two of them tell the characters' visual order.
qreal GlyphCentre(const QTextBlock& paragraph, qsizetype index);

// A converter window on fakes, with a count of the program's ends.
struct Form1Fixture {
    explicit Form1Fixture(double dpi = 96.0);

    FakeServices fakes;
    RecordingAlert& alert = fakes.alert;
    int programEnds = 0;
    ui::ProgramLifetime lifetime{[this] { ++programEnds; }};
    ui::Form1 form;
    platform::Services& services() { return fakes.services; }

    QLineEdit& box(const char* name);
    QPushButton& button(const char* name);
    // Types the three inputs, replacing what the boxes held.
    void Type(const QString& year, const QString& month, const QString& day);
    bool ShowAndActivate();
};

}  // namespace velmora::test
