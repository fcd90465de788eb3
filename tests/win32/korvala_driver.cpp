// End-to-end test of the Win32 window: starts korvala.exe, finds its controls by their
// identifiers and drives them as a user does (keys typed into the boxes, the list moved with
// the keyboard, buttons clicked, message boxes read and closed), reading every box back.
// Usage: korvala_driver PATH\korvala.exe [--picture FILE.bmp | --dpi N]; prints each failed
// check and a closing count. With --picture it also saves the window after the first worked
// example; --dpi tells the resolution the system has been set to (96 otherwise).
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

int passed = 0;
int failed = 0;

void expect(bool condition, const std::string& what) {
    if (condition) {
        ++passed;
    } else {
        ++failed;
        std::printf("FAILED: %s\n", what.c_str());
    }
}

void expectText(const std::string& actual, const std::string& expected, const std::string& what) {
    expect(actual == expected, what + ": \"" + actual + "\", expected \"" + expected + "\"");
}

struct Korvala {
    HWND window = nullptr;
    HWND list = nullptr;
    std::array<HWND, 5> checks{};
    std::array<HWND, 5> boxes{};
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
    for (int row = 0; row < 5; ++row) {
        korvala.checks.at(static_cast<std::size_t>(row)) =
            GetDlgItem(window, id::kGivenCheck + row);
        korvala.boxes.at(static_cast<std::size_t>(row)) = GetDlgItem(window, id::kValueBox + row);
    }
    korvala.buttons = {GetDlgItem(window, id::kButton), GetDlgItem(window, id::kButton + 1)};
    korvala.statement = GetDlgItem(window, id::kStatement);
    korvala.picture = GetDlgItem(window, id::kPicture);
    korvala.tooltips = drive::ownedWindow(window, TOOLTIPS_CLASSW, drive::Visibility::Any);
    return korvala;
}

// Which rows are given (checked, typed into) for the selected type, and that nothing else is.
void expectRowsFor(const Korvala& korvala, calc::ProblemType type, const std::string& when) {
    const calc::GivenPair pair = calc::givenPairOf(type);
    for (std::size_t row = 0; row < 5; ++row) {
        const bool given = calc::indexOf(pair.first) == row || calc::indexOf(pair.second) == row;
        const std::string name = when + ", row " + std::to_string(row);
        expect((SendMessageW(korvala.checks.at(row), BM_GETCHECK, 0, 0) == BST_CHECKED) == given,
               name + ": checked exactly when given");
        expect(IsWindowEnabled(korvala.checks.at(row)) == FALSE, name + ": check box disabled");
        expect(drive::isReadOnly(korvala.boxes.at(row)) != given, name + ": locked unless given");
        expect(SendMessageW(korvala.boxes.at(row), EM_GETLIMITTEXT, 0, 0) == 7,
               name + ": typing limit of seven");
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

void checkStartUp(const Korvala& korvala) {
    expectText(drive::utf8TextOf(korvala.window), content::caption(), "caption");
    for (const form::ControlDesign& design : form::controlTable()) {
        expectText(drive::utf8TextOf(GetDlgItem(korvala.window, id::idOf(design.name))),
                   design.text, design.objectName());
    }
    expect(SendMessageW(korvala.list, LB_GETCOUNT, 0, 0) == 9, "nine problem types");
    const std::vector<std::string_view> entries = form::listEntries();
    for (std::size_t position = 0; position < entries.size(); ++position) {
        expectText(drive::listEntry(korvala.list, static_cast<int>(position)),
                   std::string(entries.at(position)), "list entry " + std::to_string(position));
    }
    expect(SendMessageW(korvala.list, LB_GETCURSEL, 0, 0) == 0, "\"R H\" selected at start");
    expect(korvala.shown() == test::Texts{}, "value boxes empty at start");
    expectRowsFor(korvala, calc::ProblemType::RH, "start");
    expect(drive::focusedControl(korvala.window) ==
               GetDlgItem(korvala.window, id::idOf(form::firstFocus())),
           "the first control of the focus order has the focus at start");
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
void checkGeometry(const Korvala& korvala, int dpi) {
    namespace layout = form::layout;
    RECT client{};
    GetClientRect(korvala.window, &client);
    const layout::PixelRect area = layout::kClientArea.pixelsAt(dpi);
    expect(client.right == area.width && client.bottom == area.height,
           "client area " + std::to_string(area.width) + " x " + std::to_string(area.height));
    const auto style = static_cast<DWORD>(GetWindowLongW(korvala.window, GWL_STYLE));
    expect((style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX)) == 0 &&
               (style & WS_SYSMENU) != 0,
           "fixed border, system menu and close button only");
    RECT frame{};
    GetWindowRect(korvala.window, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(korvala.window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    expect(std::abs((frame.left + frame.right) - (work.left + work.right)) <= 1 &&
               std::abs((frame.top + frame.bottom) - (work.top + work.bottom)) <= 1,
           "the window is centred on its monitor");
    for (const form::ControlDesign& design : form::controlTable()) {
        const layout::TwipRect twips =
            design.container == form::Container::Frame ? layout::inFrame(design.rect) : design.rect;
        expect(
            standsAt(korvala.window, GetDlgItem(korvala.window, id::idOf(design.name)), twips, dpi),
            design.objectName() + " stands where the layout puts it");
    }
}

// R's tooltip after "D S" holds the lines of T and R: a tooltip breaks lines only once it has a
// maximum width, and then it shows about twice as high as H's one line.
void expectTwoLineTip(const Korvala& korvala) {
    expect(SendMessageW(korvala.tooltips, TTM_GETMAXTIPWIDTH, 0, 0) > 0,
           "the tooltips have a maximum width");
    const int line = drive::shownTooltipHeight(korvala.tooltips, korvala.boxes.at(1));
    const int working = drive::shownTooltipHeight(korvala.tooltips, korvala.boxes.at(0));
    expect(line > 0 && 2 * working > 3 * line, "D S: R's tooltip shows two lines (" +
                                                   std::to_string(working) + " px high, H's " +
                                                   std::to_string(line) + ")");
}

void checkWorkedExamples(const Korvala& korvala, const std::wstring& picture) {
    for (const test::WorkedExample& example : test::workedExamples()) {
        const std::string name(form::listEntryOf(example.type));
        selectType(korvala, example.type);
        expectRowsFor(korvala, example.type, name);
        expect(korvala.shown() == test::Texts{}, name + ": boxes emptied by the change of type");
        typeGiven(korvala, example.typed);
        drive::click(korvala.window, korvala.buttons[0]);
        expect(drive::ownedWindow(korvala.window, L"#32770") == nullptr, name + ": no error");
        for (std::size_t row = 0; row < 5; ++row) {
            expectText(drive::utf8TextOf(korvala.boxes.at(row)), example.shown.at(row),
                       name + ", Text2(" + std::to_string(row) + ")");
            expectText(drive::tooltipText(korvala.tooltips, korvala.window, korvala.boxes.at(row)),
                       test::offeredAfter(example).at(row),
                       name + ", tooltip of Text2(" + std::to_string(row) + ")");
        }
        if (example.type == calc::ProblemType::DS) {
            expectTwoLineTip(korvala);
        }
        expectRowsFor(korvala, example.type, name + " after calculating");
        if (!picture.empty() && example.type == calc::ProblemType::RH) {
            expect(drive::saveWindowPicture(korvala.window, picture), "the picture is saved");
        }
    }
}

void checkDeclines(const Korvala& korvala) {
    for (const char* typed : {"0", "-1", "abc", ""}) {
        selectType(korvala, calc::ProblemType::RH);
        typeGiven(korvala, {typed, "1", "", "", ""});
        const test::Texts before = korvala.shown();
        drive::click(korvala.window, korvala.buttons[0]);
        const std::string name = std::string("R \"") + typed + "\" declined";
        expect(drive::ownedWindow(korvala.window, L"#32770") == nullptr, name + ": no message");
        expect(korvala.shown() == before, name + ": nothing changed");
    }
}

void checkErrors(const Korvala& korvala) {
    for (const test::ErrorExample& example : test::errorExamples()) {
        selectType(korvala, example.type);
        typeGiven(korvala, example.typed);
        const test::Texts before = korvala.shown();
        drive::click(korvala.window, korvala.buttons[0]);
        HWND box = nullptr;
        for (int attempt = 0; attempt < 50 && box == nullptr; ++attempt) {
            box = drive::ownedWindow(korvala.window, L"#32770");
            Sleep(box == nullptr ? 100 : 0);
        }
        const std::string name = example.name;
        expect(box != nullptr, name + ": a message box");
        if (box == nullptr) {
            continue;
        }
        const content::ErrorMessage message = content::runTimeErrorMessage(example.error);
        expectText(drive::utf8TextOf(GetDlgItem(box, 0xFFFF)), message.text,
                   name + ": the message");
        expectText(drive::utf8TextOf(box), message.title, name + ": the message's title");
        expect(IsWindowEnabled(korvala.window) == FALSE, name + ": the window waits for it");
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        for (int attempt = 0; attempt < 50 && IsWindow(box) != FALSE; ++attempt) {
            Sleep(100);
        }
        expect(IsWindow(box) == FALSE, name + ": the message closes");
        expect(korvala.shown() == before, name + ": nothing changed");
        expectRowsFor(korvala, example.type, name + " after the message");
    }
}

void checkClearAndLimits(const Korvala& korvala) {
    const test::WorkedExample& example = test::workedExamples().front();
    selectType(korvala, example.type);
    typeGiven(korvala, example.typed);
    drive::click(korvala.window, korvala.buttons[0]);
    drive::click(korvala.window, korvala.buttons[1]);
    expect(korvala.shown() == test::Texts{}, "clear empties every box");
    expectRowsFor(korvala, example.type, "after clear");
    expect(SendMessageW(korvala.list, LB_GETCURSEL, 0, 0) == 0, "clear keeps the type");

    drive::type(korvala.boxes[0], L"1234567890");
    expectText(drive::utf8TextOf(korvala.boxes[0]), "1234567", "typing stops at seven");
    drive::type(korvala.boxes[2], L"5");
    expectText(drive::utf8TextOf(korvala.boxes[2]), "", "a locked box takes no typing");

    // Return in a value box calculates.
    drive::click(korvala.window, korvala.buttons[1]);
    typeGiven(korvala, example.typed);
    drive::clickOn(korvala.statement, korvala.boxes[1]);
    drive::pressKey(korvala.statement, korvala.boxes[1], VK_RETURN);
    expect(korvala.shown() == example.shown, "Return in a value box calculates");
}

// Tab walks the design's focus order; Return on a focused button presses it.
void checkFocusOrder(const Korvala& korvala) {
    std::vector<HWND> order;
    for (const form::ControlName& control : form::focusCycle()) {
        order.push_back(GetDlgItem(korvala.window, id::idOf(control)));
    }
    order.push_back(order.front());
    drive::clickOn(korvala.statement, order.front());
    for (std::size_t step = 1; step < order.size(); ++step) {
        drive::pressKey(korvala.statement, drive::focusedControl(korvala.window), VK_TAB);
        expect(drive::focusedControl(korvala.window) == order.at(step),
               "Tab step " + std::to_string(step));
        if (order.at(step) == korvala.buttons[1]) {
            drive::pressKey(korvala.statement, korvala.buttons[1], VK_RETURN);
            expect(korvala.shown() == test::Texts{}, "Return on Command1(1) clears");
        }
    }
}

struct IconEntry {
    int width;
    int height;
    int bitsPerPixel;

    friend bool operator==(const IconEntry&, const IconEntry&) = default;
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

void checkProgramFile(const std::wstring& program) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
    std::vector<char> block(size);
    void* value = nullptr;
    UINT length = 0;
    const bool read =
        size != 0 && GetFileVersionInfoW(program.c_str(), 0, size, block.data()) != FALSE &&
        VerQueryValueW(block.data(), L"\\StringFileInfo\\040904B0\\FileVersion", &value, &length) !=
            FALSE;
    expect(read, "the program file has a version block 040904B0");
    expect(read && std::wstring(static_cast<const wchar_t*>(value)) == L"1.00",
           "FileVersion is \"1.00\"");
    expect(programIconEntries(program) == std::vector<IconEntry>{{32, 32, 8}},
           "the program file's icon: one image, 32 x 32, 256 colours");
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const bool withPicture = argc == 4 && std::wstring(argv[2]) == L"--picture";
    const bool atDpi = argc == 4 && std::wstring(argv[2]) == L"--dpi";
    // Coordinates as the window has them, not scaled for a program unaware of the resolution.
    SetProcessDPIAware();
    if (argc != 2 && !withPicture && !atDpi) {
        std::fputs("usage: korvala_driver PATH\\korvala.exe [--picture FILE.bmp | --dpi N]\n",
                   stderr);
        return 2;
    }
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process) == FALSE) {
        std::printf("cannot start korvala.exe (error %lu)\n", GetLastError());
        return 1;
    }
    const HWND window =
        drive::waitForProcessWindow(process, drive::isKorvalaWindow, kShowTimeoutMs);
    if (window == nullptr) {
        std::puts("korvala.exe showed no window");
        TerminateProcess(process.hProcess, 1);
        return 1;
    }
    const Korvala korvala = controlsOf(window);
    checkStartUp(korvala);
    checkGeometry(korvala, atDpi ? std::stoi(argv[3]) : 96);
    checkWorkedExamples(korvala, withPicture ? argv[3] : L"");
    checkDeclines(korvala);
    checkErrors(korvala);
    checkClearAndLimits(korvala);
    checkFocusOrder(korvala);
    checkProgramFile(argv[1]);

    PostMessageW(window, WM_CLOSE, 0, 0);
    const bool exited = WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0;
    expect(exited, "the window closes and the program ends");
    if (!exited) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
