#include "window/texts.h"

namespace velmora::window {
namespace {

constexpr AccessibleText kForm1AccessibleTexts[] = {
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

constexpr AccessibleText kAboutAccessibleTexts[] = {
    {"cmdOK", nullptr, "Close the About box"},
    {"cmdSysInfo", nullptr, "Start the system information tool"},
    {"picIcon", "Velmora icon", "The program's icon, a calendar page"},
};

}  // namespace

std::string PersianInputSentence(std::string_view heading) {
    return "در خانه " + std::string(heading) + " عددی صحیح از \u202A-32768\u202C تا 32767 بنویسید.";
}

std::span<const AccessibleText> Form1AccessibleTexts() { return kForm1AccessibleTexts; }
std::span<const AccessibleText> AboutAccessibleTexts() { return kAboutAccessibleTexts; }

std::string ResultDescription(std::string_view field, std::string_view calendarName,
                              const std::optional<DateInWords>& words) {
    const std::string plain = std::string(field) + " of the date in the " + std::string(calendarName) + " calendar";
    if (!words) return plain;
    return words->persian + '\n' + plain + ": " + words->english;
}

}  // namespace velmora::window
