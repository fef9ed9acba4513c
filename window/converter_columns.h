// The converter windows' four columns: on the left the prompt, the About
// button or nothing, and the result's calendar; then the year, month and
// day columns, each with its heading, input box and result box. One button
// per calendar row sits in the three date columns, three to a row, in the
// order of the calendar table; more rows of buttons push the results down.
#pragma once

#include "calendar/calendar_table.h"
#include "window/calendar_texts.h"
#include "window/window_design.h"

#include <array>
#include <cstddef>

namespace velmora::window::columns {

// Twips from the client area's left edge.
inline constexpr int kLeftColumn = 120;
inline constexpr int kFirstDateColumn = 1320;
inline constexpr int kColumnPitch = 1020;
inline constexpr int kDateColumns = 3;

// Twips from the client area's top edge.
inline constexpr int kHeadingTop = 180;
inline constexpr int kInputTop = 540;
inline constexpr int kButtonTop = 1020;
inline constexpr int kButtonRowPitch = 660;  // from a button row's top to the next row's

inline constexpr int kButtonWidth = 975;
inline constexpr int kButtonHeight = 615;

inline constexpr std::size_t kButtonRows = (kCalendarCount + kDateColumns - 1) / kDateColumns;
// The height that rows of buttons after the first add.
inline constexpr int kExtraButtonRowsHeight = static_cast<int>(kButtonRows - 1) * kButtonRowPitch;
inline constexpr int kResultTop = kButtonTop + kButtonRowPitch + kExtraButtonRowsHeight;

// The left edge of date column 0 (year), 1 (month) or 2 (day).
constexpr int DateColumnLeft(std::size_t column) {
    return kFirstDateColumn + static_cast<int>(column) * kColumnPitch;
}

// The button of calendar row index, with its caption and tab index.
constexpr ControlDesign Button(std::size_t index, const char* name, const char* caption, int tabIndex) {
    const std::size_t row = index / kDateColumns;
    return ControlDesign{name,
                         ControlKind::CommandButton,
                         caption,
                         DateColumnLeft(index % kDateColumns),
                         kButtonTop + static_cast<int>(row) * kButtonRowPitch,
                         kButtonWidth,
                         kButtonHeight,
                         tabIndex,
                         Tahoma(8.25, true),
                         kDefaultColour,
                         0,
                         true};
}

// before, then one element per calendar row made by each(row's texts,
// index), then after.
template <typename T, std::size_t Before, std::size_t After, typename Each>
constexpr std::array<T, Before + kCalendarCount + After> AroundCalendars(const std::array<T, Before>& before,
                                                                          Each each,
                                                                          const std::array<T, After>& after) {
    std::array<T, Before + kCalendarCount + After> all{};
    std::size_t next = 0;
    for (const T& item : before) all[next++] = item;
    for (std::size_t i = 0; i < kCalendarCount; ++i) all[next++] = each(kCalendarTexts[i], i);
    for (const T& item : after) all[next++] = item;
    return all;
}

}  // namespace velmora::window::columns
