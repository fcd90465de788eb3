// End-to-end test of the Win32 window: starts korvala.exe once, finds its controls by their
// identifiers and drives them as a user does (keys typed into the boxes, the list moved with
// the keyboard, buttons clicked, message boxes read and closed), reading every box back. The
// tests share the one window and run in the order written, each from a state it sets itself.
// Usage: korvala_driver [GoogleTest options] PATH\korvala.exe [--picture FILE.bmp | --dpi N].
// With --picture it also saves the window after the first worked example; --dpi tells the
// resolution the system has been set to (96 otherwise).
#include "form/content.hpp"
#include "form/control_table.hpp"
#include "form/layout.hpp"
#include "form/words.hpp"
#include "process_window.hpp"
#include "remote_controls.hpp"
#include "win/control_ids.hpp"
#include "win/wide_text.hpp"
#include "window_picture.hpp"
#include "worked_examples.hpp"

#include <windows.h>

#include <array>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <ostream>
#include <shellapi.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace korvala;
namespace id = win::control_id;
namespace content = form::content;

// Wine's first window on a fresh prefix and a loaded machine can take many seconds.
constexpr DWORD kShowTimeoutMs = 60'000;
constexpr DWORD kCloseTimeoutMs = 10'000;

struct Korvala {
    HWND window = nullptr;
    HWND list = nullptr;
    std::array<HWND, calc::kQuantityCount> checks{};
    std::array<HWND, calc::kQuantityCount> boxes{};
    std::array<HWND, 2> buttons{};
    HWND statement = nullptr;
    HWND picture = nullptr;
    HWND tooltips = nullptr;

    [[nodiscard]] test::Texts shown() const {
        test::Texts texts;
        for (std::size_t row = 0; row < boxes.size(); ++row) {
            texts.at(row) = drive::utf8TextOf(boxes.at(row));
        }
        return texts;
    }
};

Korvala controlsOf(HWND window) {
    Korvala korvala;
    korvala.window = window;
    korvala.list = GetDlgItem(window, id::kProblemList);
    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        korvala.checks.at(row) = GetDlgItem(window, id::kGivenCheck + static_cast<int>(row));
        korvala.boxes.at(row) = GetDlgItem(window, id::kValueBox + static_cast<int>(row));
    }
    korvala.buttons = {GetDlgItem(window, id::kButton), GetDlgItem(window, id::kButton + 1)};
    korvala.statement = GetDlgItem(window, id::kStatement);
    korvala.picture = GetDlgItem(window, id::kPicture);
    korvala.tooltips = drive::ownedWindow(window, TOOLTIPS_CLASSW, drive::Visibility::Any);
    return korvala;
}

// What the command line asks besides the program: a picture to save, the system's resolution.
struct Options {
    std::wstring program;
    std::wstring picture;
    int dpi = 96;
};

Options options;

// korvala.exe, started before the first test and closed after the last: closing must end it.
class KorvalaProcess : public testing::Environment {
public:
    void SetUp() override {
        std::wstring commandLine = L"\"" + options.program + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        const BOOL created =
            CreateProcessW(options.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                           nullptr, nullptr, &startup, &process_);
        const DWORD error = GetLastError();
        ASSERT_NE(created, FALSE) << "cannot start korvala.exe (error " << error << ")";
        const HWND window =
            drive::waitForProcessWindow(process_, drive::isKorvalaWindow, kShowTimeoutMs);
        ASSERT_NE(window, nullptr) << "korvala.exe showed no window";
        korvala_ = controlsOf(window);
    }

    void TearDown() override {
        if (process_.hProcess == nullptr) {
            return;
        }
        if (korvala_.window != nullptr) {
            PostMessageW(korvala_.window, WM_CLOSE, 0, 0);
        }
        const bool exited =
            WaitForSingleObject(process_.hProcess, kCloseTimeoutMs) == WAIT_OBJECT_0;
        EXPECT_TRUE(exited) << "the window closes and the program ends";
        if (!exited) {
            TerminateProcess(process_.hProcess, 1);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    [[nodiscard]] const Korvala& korvala() const { return korvala_; }

private:
    PROCESS_INFORMATION process_{};
    Korvala korvala_;
};

KorvalaProcess* started = nullptr;

class Win32Window : public testing::Test {
protected:
    const Korvala& korvala = started->korvala();
};

// Which rows are given (checked, typed into) for the selected type, and that nothing else is.
void expectRowsFor(const Korvala& korvala, calc::ProblemType type) {
    const calc::GivenPair pair = calc::givenPairOf(type);
    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        const bool given = calc::indexOf(pair.first) == row || calc::indexOf(pair.second) == row;
        EXPECT_EQ(SendMessageW(korvala.checks.at(row), BM_GETCHECK, 0, 0) == BST_CHECKED, given)
            << "row " << row << ": checked exactly when given";
        EXPECT_FALSE(IsWindowEnabled(korvala.checks.at(row))) << "row " << row << ": check box";
        EXPECT_NE(drive::isReadOnly(korvala.boxes.at(row)), given)
            << "row " << row << ": locked unless given";
        EXPECT_EQ(SendMessageW(korvala.boxes.at(row), EM_GETLIMITTEXT, 0, 0), 7)
            << "row " << row << ": typing limit";
    }
}

void selectType(const Korvala& korvala, calc::ProblemType type) {
    drive::selectWithKeys(korvala.list, static_cast<int>(type));
}

void typeGiven(const Korvala& korvala, const test::Texts& typed) {
    for (std::size_t row = 0; row < typed.size(); ++row) {
        drive::type(korvala.boxes.at(row), win::toWide(typed.at(row)));
    }
}

// The type chosen, the boxes emptied and the example's values typed.
void enter(const Korvala& korvala, calc::ProblemType type, const test::Texts& typed) {
    selectType(korvala, type);
    drive::click(korvala.window, korvala.buttons[1]);
    typeGiven(korvala, typed);
}

[[nodiscard]] HWND messageBoxOf(const Korvala& korvala) {
    return drive::ownedWindow(korvala.window, L"#32770");
}

TEST_F(Win32Window, StartsWithRHGivenAndTheDesignsTexts) {
    EXPECT_EQ(drive::utf8TextOf(korvala.window), content::caption());
    for (const form::ControlDesign& design : form::controlTable()) {
        EXPECT_EQ(drive::utf8TextOf(GetDlgItem(korvala.window, id::idOf(design.name))), design.text)
            << design.objectName();
    }
    const std::vector<std::string_view> entries = form::listEntries();
    EXPECT_EQ(SendMessageW(korvala.list, LB_GETCOUNT, 0, 0), std::ssize(entries));
    for (std::size_t position = 0; position < entries.size(); ++position) {
        EXPECT_EQ(drive::listEntry(korvala.list, static_cast<int>(position)), entries.at(position))
            << "list entry " << position;
    }
    EXPECT_EQ(SendMessageW(korvala.list, LB_GETCURSEL, 0, 0), 0) << "\"R H\" selected at start";
    EXPECT_EQ(korvala.shown(), test::Texts{}) << "value boxes empty at start";
    expectRowsFor(korvala, calc::ProblemType::RH);
    EXPECT_EQ(drive::focusedControl(korvala.window),
              GetDlgItem(korvala.window, id::idOf(form::firstFocus())))
        << "the first control of the focus order has the focus at start";
}

bool standsAt(HWND window, HWND control, const form::layout::TwipRect& twips, int dpi) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    const form::layout::PixelRect pixels = twips.pixelsAt(dpi);
    return rect.left == pixels.left && rect.top == pixels.top &&
           rect.right - rect.left == pixels.width && rect.bottom - rect.top == pixels.height;
}

// At the window's resolution (96 dots per inch in a new Wine prefix) every control stands where
// the layout table puts it, to the pixel; the window has a fixed border and no maximise or
// minimise box, and stands in the middle of its monitor.
TEST_F(Win32Window, StandsWhereTheLayoutPutsIt) {
    namespace layout = form::layout;
    RECT client{};
    GetClientRect(korvala.window, &client);
    const layout::PixelRect area = layout::kClientArea.pixelsAt(options.dpi);
    EXPECT_EQ(client.right, area.width) << "client area's width";
    EXPECT_EQ(client.bottom, area.height) << "client area's height";
    const auto style = static_cast<DWORD>(GetWindowLongW(korvala.window, GWL_STYLE));
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_SYSMENU),
              static_cast<DWORD>(WS_SYSMENU))
        << "fixed border, system menu and close button only";
    RECT frame{};
    GetWindowRect(korvala.window, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(korvala.window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    EXPECT_LE(std::abs((frame.left + frame.right) - (work.left + work.right)), 1)
        << "centred across its monitor";
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (work.top + work.bottom)), 1)
        << "centred down its monitor";
    for (const form::ControlDesign& design : form::controlTable()) {
        const layout::TwipRect twips =
            design.container == form::Container::Frame ? layout::inFrame(design.rect) : design.rect;
        EXPECT_TRUE(standsAt(korvala.window, GetDlgItem(korvala.window, id::idOf(design.name)),
                             twips, options.dpi))
            << design.objectName() << " stands where the layout puts it";
    }
}

// R's tooltip after "D S" holds the lines of T and R: a tooltip breaks lines only once it has a
// maximum width, and then it shows about twice as high as H's one line.
void expectTwoLineTip(const Korvala& korvala) {
    EXPECT_GT(SendMessageW(korvala.tooltips, TTM_GETMAXTIPWIDTH, 0, 0), 0)
        << "the tooltips have a maximum width";
    const int line = drive::shownTooltipHeight(korvala.tooltips, korvala.boxes.at(1));
    const int working = drive::shownTooltipHeight(korvala.tooltips, korvala.boxes.at(0));
    EXPECT_GT(line, 0) << "H's tooltip shows";
    EXPECT_GT(2 * working, 3 * line)
        << "R's tooltip shows two lines (" << working << " px high, H's " << line << ")";
}

TEST_F(Win32Window, CompletesTheWorkedExamples) {
    for (const test::WorkedExample& example : test::workedExamples()) {
        SCOPED_TRACE(form::listEntryOf(example.type));
        selectType(korvala, example.type);
        expectRowsFor(korvala, example.type);
        EXPECT_EQ(korvala.shown(), test::Texts{}) << "boxes emptied by the change of type";
        typeGiven(korvala, example.typed);
        drive::click(korvala.window, korvala.buttons[0]);
        EXPECT_EQ(messageBoxOf(korvala), nullptr) << "no error";
        EXPECT_EQ(korvala.shown(), example.shown);
        const test::Texts offered = test::offeredAfter(example);
        for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
            EXPECT_EQ(drive::tooltipText(korvala.tooltips, korvala.window, korvala.boxes.at(row)),
                      offered.at(row))
                << "tooltip of Text2(" << row << ")";
        }
        if (example.type == calc::ProblemType::DS) {
            expectTwoLineTip(korvala);
        }
        expectRowsFor(korvala, example.type);
        if (!options.picture.empty() && example.type == calc::ProblemType::RH) {
            EXPECT_TRUE(drive::saveWindowPicture(korvala.window, options.picture))
                << "the picture is saved";
        }
    }
}

TEST_F(Win32Window, DeclinesWithoutAWord) {
    for (const test::DeclineExample& example : test::declineExamples()) {
        SCOPED_TRACE(example.name);
        enter(korvala, example.type, example.typed);
        drive::click(korvala.window, korvala.buttons[0]);
        EXPECT_EQ(messageBoxOf(korvala), nullptr) << "no message";
        EXPECT_EQ(korvala.shown(), example.typed) << "what the user typed stays";
        expectRowsFor(korvala, example.type);
    }
}

TEST_F(Win32Window, ShowsRunTimeErrorsInAMessageBoxAndChangesNothing) {
    for (const test::ErrorExample& example : test::errorExamples()) {
        SCOPED_TRACE(example.name);
        enter(korvala, example.type, example.typed);
        const test::Texts before = korvala.shown();
        drive::click(korvala.window, korvala.buttons[0]);
        HWND box = nullptr;
        for (int attempt = 0; attempt < 50 && box == nullptr; ++attempt) {
            box = messageBoxOf(korvala);
            Sleep(box == nullptr ? 100 : 0);
        }
        ASSERT_NE(box, nullptr) << "a message box";
        const content::ErrorMessage message = content::runTimeErrorMessage(example.error);
        EXPECT_EQ(drive::utf8TextOf(GetDlgItem(box, 0xFFFF)), message.text) << "the message";
        EXPECT_EQ(drive::utf8TextOf(box), message.title) << "the message's title";
        EXPECT_FALSE(IsWindowEnabled(korvala.window)) << "the window waits for it";
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        for (int attempt = 0; attempt < 50 && IsWindow(box) != FALSE; ++attempt) {
            Sleep(100);
        }
        ASSERT_FALSE(IsWindow(box)) << "the message closes";
        EXPECT_EQ(korvala.shown(), before) << "nothing changed";
        expectRowsFor(korvala, example.type);
    }
}

TEST_F(Win32Window, ClearsKeepsTheTypeAndLimitsTyping) {
    const test::WorkedExample& example = test::workedExamples().front();
    enter(korvala, example.type, example.typed);
    drive::click(korvala.window, korvala.buttons[0]);
    drive::click(korvala.window, korvala.buttons[1]);
    EXPECT_EQ(korvala.shown(), test::Texts{}) << "clear empties every box";
    expectRowsFor(korvala, example.type);
    EXPECT_EQ(SendMessageW(korvala.list, LB_GETCURSEL, 0, 0), 0) << "clear keeps the type";

    drive::type(korvala.boxes[0], L"1234567890");
    EXPECT_EQ(drive::utf8TextOf(korvala.boxes[0]), "1234567") << "typing stops at seven";
    drive::type(korvala.boxes[2], L"5");
    EXPECT_EQ(drive::utf8TextOf(korvala.boxes[2]), "") << "a locked box takes no typing";

    enter(korvala, example.type, example.typed);
    drive::clickOn(korvala.statement, korvala.boxes[1]);
    drive::pressKey(korvala.statement, korvala.boxes[1], VK_RETURN);
    EXPECT_EQ(korvala.shown(), example.shown) << "Return in a value box calculates";
}

// Tab walks the design's focus order; Return on a focused button presses it.
TEST_F(Win32Window, TabWalksTheFocusOrder) {
    std::vector<HWND> order;
    for (const form::ControlName& control : form::focusCycle()) {
        order.push_back(GetDlgItem(korvala.window, id::idOf(control)));
    }
    order.push_back(order.front());
    drive::clickOn(korvala.statement, order.front());
    for (std::size_t step = 1; step < order.size(); ++step) {
        drive::pressKey(korvala.statement, drive::focusedControl(korvala.window), VK_TAB);
        EXPECT_EQ(drive::focusedControl(korvala.window), order.at(step)) << "Tab step " << step;
        if (order.at(step) == korvala.buttons[1]) {
            drive::pressKey(korvala.statement, korvala.buttons[1], VK_RETURN);
            EXPECT_EQ(korvala.shown(), test::Texts{}) << "Return on Command1(1) clears";
        }
    }
}

struct IconEntry {
    int width;
    int height;
    int bitsPerPixel;

    friend bool operator==(const IconEntry&, const IconEntry&) = default;
    friend void PrintTo(const IconEntry& entry, std::ostream* os) {
        *os << entry.width << " x " << entry.height << ", " << entry.bitsPerPixel << " bits";
    }
};

// A resource's name lives only as long as the enumeration's call; a number is kept as "#N".
BOOL CALLBACK takeFirstName(HMODULE /*module*/, LPCWSTR /*type*/, LPWSTR name, LONG_PTR found) {
    *reinterpret_cast<std::wstring*>(found) =
        IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<UINT_PTR>(name)) : name;
    return FALSE;
}

// The images of the program file's first icon, as its icon directory lists them.
std::vector<IconEntry> programIconEntries(const std::wstring& program) {
    const HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        return {};
    }
    std::wstring name;
    EnumResourceNamesW(module, MAKEINTRESOURCEW(14), takeFirstName,
                       reinterpret_cast<LONG_PTR>(&name)); // RT_GROUP_ICON
    const HRSRC found =
        name.empty() ? nullptr : FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(14));
    const auto* directory =
        found != nullptr ? static_cast<const BYTE*>(LockResource(LoadResource(module, found)))
                         : nullptr;
    std::vector<IconEntry> entries;
    // The directory: reserved, type and count (three 16-bit words), then 14 bytes an image.
    const auto size = found != nullptr ? static_cast<int>(SizeofResource(module, found)) : 0;
    if (directory != nullptr && size >= 6) {
        const int count = directory[4] | (directory[5] << 8);
        for (int image = 0; image < count && 6 + 14 * (image + 1) <= size; ++image) {
            const BYTE* entry = directory + 6 + 14 * image;
            entries.push_back({entry[0] == 0 ? 256 : entry[0], entry[1] == 0 ? 256 : entry[1],
                               entry[6] | (entry[7] << 8)});
        }
    }
    FreeLibrary(module);
    return entries;
}

TEST(ProgramFile, HasItsVersionBlockAndOneIcon) {
    const std::wstring& program = options.program;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
    std::vector<char> block(size);
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(size != 0 && GetFileVersionInfoW(program.c_str(), 0, size, block.data()) != FALSE &&
                VerQueryValueW(block.data(), L"\\StringFileInfo\\040904B0\\FileVersion", &value,
                               &length) != FALSE)
        << "the program file has a version block 040904B0";
    EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(value)), L"1.00") << "FileVersion";
    EXPECT_EQ(programIconEntries(program), (std::vector<IconEntry>{{32, 32, 8}}))
        << "the program file's icon: one image, 32 x 32, 256 colours";
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    const bool withPicture = argc == 4 && std::wstring(argv[2]) == L"--picture";
    const bool atDpi = argc == 4 && std::wstring(argv[2]) == L"--dpi";
    if (argc != 2 && !withPicture && !atDpi) {
        std::fputs("usage: korvala_driver [GoogleTest options] PATH\\korvala.exe "
                   "[--picture FILE.bmp | --dpi N]\n",
                   stderr);
        return 2;
    }
    options.program = argv[1];
    if (withPicture) {
        options.picture = argv[3];
    }
    if (atDpi) {
        options.dpi = std::stoi(argv[3]);
    }
    // Coordinates as the window has them, not scaled for a program unaware of the resolution.
    SetProcessDPIAware();
    started = new KorvalaProcess; // owned by GoogleTest
    testing::AddGlobalTestEnvironment(started);
    return RUN_ALL_TESTS();
}
