// The visual order of Persian text as the program draws it: each sentence
// is drawn with the program's right-to-left drawing into a bitmap, each of
// its words alone with the system's plain drawing, and each word is found
// in the sentence by its pixels. Read from the right, the words come in
// their written order, numbers and Latin words keep their own order inside
// (the minus sign left of its digits), and the sentence-final period ends
// the line at its left. Under Wine this is a left-to-right Windows, where
// the system's right-to-left reading of controls does not apply.
#include "win32/rtl_text.h"
#include "win32/text_encoding.h"
#include "window/about_design.h"
#include "window/texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora::win32 {
namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 40;
constexpr int kFontPixels = 24;

// A white bitmap with text drawn on it in black.
class Canvas {
public:
    Canvas() {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        dc_ = ::CreateCompatibleDC(nullptr);
        bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels_), nullptr, 0);
        old_ = ::SelectObject(dc_, bitmap_);
        const RECT all{0, 0, kWidth, kHeight};
        ::FillRect(dc_, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::SetTextColor(dc_, RGB(0, 0, 0));
    }
    ~Canvas() {
        ::SelectObject(dc_, old_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    bool Ink(int x, int y) const {
        ::GdiFlush();
        return (pixels_[y * kWidth + x] & 0xFFFFFF) != 0xFFFFFF;
    }
    bool InkInColumn(int x) const {
        for (int y = 0; y < kHeight; ++y)
            if (Ink(x, y)) return true;
        return false;
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    std::uint32_t* pixels_ = nullptr;
};

// Tahoma with the Arabic character set, without smoothing so that a word
// has the same pixels wherever it is drawn. Wine does not load the fonts it
// ships by itself; on Windows Tahoma is there and the call does nothing.
HFONT TestFont() {
    ::AddFontResourceExW(L"Z:\\usr\\share\\wine\\fonts\\tahoma.ttf", FR_PRIVATE, nullptr);
    return ::CreateFontW(-kFontPixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ARABIC_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma");
}

// The columns that a word drawn alone, left to right, covers.
struct Word {
    int width = 0;
    std::vector<std::vector<bool>> columns;
};

Word Alone(HFONT font, const std::wstring& word) {
    Canvas canvas;
    const HGDIOBJ old = ::SelectObject(canvas.dc(), font);
    ::SetBkMode(canvas.dc(), TRANSPARENT);
    RECT box{0, 0, kWidth, kHeight};
    ::DrawTextW(canvas.dc(), word.c_str(), static_cast<int>(word.size()), &box, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(canvas.dc(), old);
    int first = kWidth, last = -1;
    for (int x = 0; x < kWidth; ++x)
        if (canvas.InkInColumn(x)) first = std::min(first, x), last = x;
    Word found;
    for (int x = first; x <= last; ++x) {
        std::vector<bool> column;
        for (int y = 0; y < kHeight; ++y) column.push_back(canvas.Ink(x, y));
        found.columns.push_back(column);
    }
    found.width = static_cast<int>(found.columns.size());
    return found;
}

bool MatchesAt(const Canvas& canvas, const Word& word, int x) {
    for (int dx = 0; dx < word.width; ++dx)
        for (int y = 0; y < kHeight; ++y)
            if (canvas.Ink(x + dx, y) != word.columns[static_cast<std::size_t>(dx)][static_cast<std::size_t>(y)])
                return false;
    return true;
}

// The left edge of the word in the sentence, or -1.
int Find(const Canvas& canvas, const Word& word) {
    for (int x = 0; x + word.width <= kWidth; ++x)
        if (MatchesAt(canvas, word, x)) return x;
    return -1;
}

struct Case {
    const char* what;
    std::string sentence;
    std::vector<std::string> wordsInReadingOrder;
    bool endsWithPeriod;
};

TEST(RightToLeftText, WordsLieRightToLeftInReadingOrder) {
    const std::string title = window::kAboutDesign.controls[1].caption;
    ASSERT_EQ(title, "برنامه Velmora");
    const Case cases[] = {
        {"About title", title, {"برنامه", "Velmora"}, false},
        {"conversion error sentence", window::kPersianConversionSentence,
         {"تاریخ", "نمی‌توان", "تقویم", "تبدیل", "کرد"}, true},
        {"input error sentence", window::PersianInputSentence("YEAR"),
         {"خانه", "YEAR", "عددی", "صحیح", "-32768", "32767", "بنویسید"}, true},
    };
    const HFONT font = TestFont();
    ASSERT_NE(font, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Canvas canvas;
        DrawRightToLeft(canvas.dc(), Utf8ToWide(c.sentence), RECT{0, 0, kWidth, kHeight}, font, {.wrap = false});
        int previous = kWidth;
        for (const std::string& word : c.wordsInReadingOrder) {
            const int x = Find(canvas, Alone(font, Utf8ToWide(word)));
            ASSERT_GE(x, 0) << word << " is not drawn as written";
            EXPECT_LT(x, previous) << word << " is not left of the word before it";
            previous = x;
        }
        // Right-aligned: the text ends in the right half of the box (Wine 8
        // measures Persian wider than it draws it, which moves it left).
        int right = kWidth - 1;
        while (right > 0 && !canvas.InkInColumn(right)) --right;
        EXPECT_GT(right, kWidth / 2) << "the text is not right-aligned";
        if (c.endsWithPeriod) {
            int left = 0;
            while (left < kWidth && !canvas.InkInColumn(left)) ++left;
            EXPECT_TRUE(MatchesAt(canvas, Alone(font, L"."), left)) << "the period is not at the left end";
            EXPECT_LT(left, previous);
        }
    }
    ::DeleteObject(font);
}

}  // namespace
}  // namespace velmora::win32
