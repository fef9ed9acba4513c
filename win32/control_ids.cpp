#include "win32/control_ids.h"

#include <stdexcept>
#include <string>

namespace velmora::win32 {
namespace {

struct NamedId {
    std::string_view name;
    int id;
};

constexpr NamedId kForm1Ids[] = {
    {"Text1", kIdText1},       {"Text2", kIdText2},       {"Text3", kIdText3},       {"Text4", kIdText4},
    {"Text5", kIdText5},       {"Text6", kIdText6},       {"Command1", kIdCommand1}, {"Command2", kIdCommand2},
    {"Command3", kIdCommand3}, {"Command4", kIdCommand4}, {"Label1", kIdLabel1},     {"Label2", kIdLabel2},
    {"Label3", kIdLabel3},     {"Label4", kIdLabel4},     {"Label5", kIdLabel5},
};

constexpr NamedId kAboutIds[] = {
    {"cmdOK", kIdCmdOK},
    {"cmdSysInfo", kIdCmdSysInfo},
    {"picIcon", kIdPicIcon},
    {"lblTitle", kIdLblTitle},
    {"lblVersion", kIdLblVersion},
    {"lblDescription", kIdLblDescription},
    {"lblDisclaimer", kIdLblDisclaimer},
    {"Label1", kIdAboutLabel1},
};

constexpr NamedId kToPersianIds[] = {
    {"txtYear", kIdTxtYear},
    {"txtMonth", kIdTxtMonth},
    {"txtDay", kIdTxtDay},
    {"txtPersianYear", kIdTxtPersianYear},
    {"txtPersianMonth", kIdTxtPersianMonth},
    {"txtPersianDay", kIdTxtPersianDay},
    {"cmdFromIslamic", kIdCmdFromIslamic},
    {"cmdFromGregorian", kIdCmdFromGregorian},
    {"cmdFromHebrew", kIdCmdFromHebrew},
    {"lblPrompt", kIdLblPrompt},
    {"lblYear", kIdLblYear},
    {"lblMonth", kIdLblMonth},
    {"lblDay", kIdLblDay},
    {"lblCalendar", kIdLblCalendar},
};

constexpr NamedId kHolidayListIds[] = {
    {"txtYear", kIdHolidayYear},    {"lstHolidays", kIdHolidayList}, {"lblMessage", kIdHolidayMessage},
    {"cmdShow", kIdHolidayShow},    {"lblYear", kIdHolidayYearLabel},
};

template <std::size_t N>
int Find(const NamedId (&table)[N], std::string_view name) {
    for (const NamedId& entry : table)
        if (entry.name == name) return entry.id;
    throw std::logic_error("no control ID for " + std::string(name));
}

}  // namespace

int Form1ControlId(std::string_view name) { return Find(kForm1Ids, name); }
int AboutControlId(std::string_view name) { return Find(kAboutIds, name); }
int ToPersianControlId(std::string_view name) { return Find(kToPersianIds, name); }
int HolidayListControlId(std::string_view name) { return Find(kHolidayListIds, name); }

}  // namespace velmora::win32
