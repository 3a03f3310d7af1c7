#include "ui/TConfigurationWindow.h"
#include "ui/TPauseWindow.h"

#include "core/LocaleWeek.h"
#include "core/TimeText.h"

#include "TCaseName.h"
#include "TPicture.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <oleacc.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// One child of a window's client object as a screen reader reads it.
struct TElement {
    std::wstring name;
    LONG role;
    LONG state;
    RECT location;
};

VARIANT ChildVariant(LONG id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// Asks a child either through its own object (a child window) or through the parent under its number
// (a painted text), as AccessibleChildren does.
TElement ReadElement(IAccessible* parent, LONG id) {
    IDispatch* dispatch = nullptr;
    IAccessible* object = parent;
    VARIANT child = ChildVariant(id);
    if (parent->get_accChild(child, &dispatch) == S_OK && dispatch != nullptr) {
        dispatch->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&object));
        dispatch->Release();
        child = ChildVariant(CHILDID_SELF);
    }
    TElement element{L"", 0, 0, RECT{}};
    BSTR name = nullptr;
    if (object->get_accName(child, &name) == S_OK && name != nullptr) {
        element.name = name;
        SysFreeString(name);
    }
    VARIANT role;
    if (SUCCEEDED(object->get_accRole(child, &role)) && role.vt == VT_I4) {
        element.role = role.lVal;
    }
    VARIANT state;
    if (SUCCEEDED(object->get_accState(child, &state)) && state.vt == VT_I4) {
        element.state = state.lVal;
    }
    LONG left = 0;
    LONG top = 0;
    LONG width = 0;
    LONG height = 0;
    if (SUCCEEDED(object->accLocation(&left, &top, &width, &height, child))) {
        element.location = RECT{left, top, left + width, top + height};
    }
    if (object != parent) {
        object->Release();
    }
    return element;
}

std::vector<TElement> ReadTree(HWND window) {
    std::vector<TElement> elements;
    IAccessible* client = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&client)))) {
        return elements;
    }
    LONG count = 0;
    client->get_accChildCount(&count);
    for (LONG id = 1; id <= count; ++id) {
        elements.push_back(ReadElement(client, id));
    }
    client->Release();
    return elements;
}

bool operator==(const RECT& first, const RECT& second) {
    return EqualRect(&first, &second) != FALSE;
}

// What the system's own object says of a child window.
TElement SystemElement(HWND child) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(child, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object)))) {
        return TElement{L"", 0, 0, RECT{}};
    }
    const TElement element = ReadElement(object, CHILDID_SELF);
    object->Release();
    return element;
}

// The child keeps the system's object: all but perhaps the name is the system's.
void ExpectSystemObject(const TElement& element, HWND child) {
    const TElement system = SystemElement(child);
    EXPECT_NE(system.role, 0);
    EXPECT_EQ(element.role, system.role);
    EXPECT_EQ(element.state, system.state);
    EXPECT_TRUE(element.location == system.location);
}

RECT ScreenRect(HWND window, TPoint position, TSize size) {
    POINT corner{position.x, position.y};
    ClientToScreen(window, &corner);
    return RECT{corner.x, corner.y, corner.x + size.width, corner.y + size.height};
}

// A screen reader's thread, with COM to receive the windows' objects.
class TComApartment {
public:
    TComApartment() : initialized(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~TComApartment() {
        if (initialized) {
            CoUninitialize();
        }
    }
    TComApartment(const TComApartment&) = delete;
    TComApartment& operator=(const TComApartment&) = delete;

private:
    bool initialized;
};

class AccessibilityTest : public testing::Test {
protected:
    AccessibilityTest() {
        configWindow.GetIntervalPicker().SetValue("01:00:00");
        configWindow.GetPauseLengthPicker().SetValue("00:05:00");
    }

    TComApartment apartment;
    std::wstring helpFilePath = L"C:/nowhere/Help.chm";
    TWindowList dialogWindows;
    TPauseWindow pauseWindow{dialogWindows, EnglishResourceTexts()};
    TConfigurationWindow configWindow{dialogWindows, EnglishResourceTexts(), helpFilePath};
};

struct TPauseTreeCase {
    std::string remaining;
    std::wstring line;
    bool buttonEnabled;
};

class PauseTreeTest : public AccessibilityTest, public testing::WithParamInterface<TPauseTreeCase> {};

TEST_P(PauseTreeTest, NamesTheHeadingTheTimeLeftAndTheButtonInLayoutOrder) {
    const TPauseTreeCase& c = GetParam();
    pauseWindow.ShowTimeLeft(c.remaining);
    const HWND window = pauseWindow.GetHandle();
    const HWND button = FindChild(pauseWindow, L"Button", L"Back to work");
    const std::vector<TElement> tree = ReadTree(window);

    ASSERT_EQ(tree.size(), 3u);
    EXPECT_EQ(tree[0].name, L"Make a pause :)");
    EXPECT_EQ(tree[0].role, ROLE_SYSTEM_STATICTEXT);
    EXPECT_EQ(tree[1].name, c.line);
    EXPECT_EQ(tree[1].role, ROLE_SYSTEM_STATICTEXT);
    const TControlText& line = *pauseWindow.GetTimeLeftText();
    EXPECT_TRUE(tree[1].location == ScreenRect(window, line.GetPosition(), line.GetSize()));
    EXPECT_LT(tree[0].location.bottom, tree[1].location.top);
    EXPECT_EQ(tree[2].name, L"Back to work");
    EXPECT_EQ((tree[2].state & STATE_SYSTEM_UNAVAILABLE) == 0, c.buttonEnabled);
    ExpectSystemObject(tree[2], button);
}

INSTANTIATE_TEST_SUITE_P(Pauses, PauseTreeTest,
                         testing::Values(TPauseTreeCase{"00:04:59", L"Time left: 00:04:59", false},
                                         TPauseTreeCase{"", L"Time left: enough", true}));

TEST_F(AccessibilityTest, NamesTheConfigurationWindowsLabelsAndPickersByTheirLabels) {
    // Both groups on, so that every control is usable.
    TSettingsOptions options;
    options.eyePauses = true;
    options.workingHours = true;
    configWindow.SetOptions(options);
    configWindow.Open();
    const std::vector<TElement> tree = ReadTree(configWindow.GetHandle());
    // Each picker after its label, named by it; the groups' pickers come in their order.
    std::vector<std::wstring> names = {L"Interval between pauses", L"Interval between pauses", L"Pause length",
                                       L"Pause length", L"Dim the screens during a pause",
                                       L"Play a sound when a pause is over", L"Short eye pauses",
                                       L"Interval between eye pauses", L"Interval between eye pauses",
                                       L"Eye pause length", L"Eye pause length", L"Remind me only in working hours",
                                       L"From", L"From", L"To", L"To"};
    for (int place = 0; place < 7; ++place) {
        names.push_back(LocaleDayNames()[static_cast<std::size_t>((LocaleFirstWeekday() + place) % 7)]);
    }
    names.insert(names.end(), {L"OK", L"Cancel", L"Help"});
    ASSERT_EQ(tree.size(), names.size());
    std::vector<HWND> pickers;
    EnumChildWindows(
        configWindow.GetHandle(),
        [](HWND child, LPARAM found) {
            wchar_t name[32] = {};
            GetClassNameW(child, name, 32);
            if (std::wstring(name) == L"SysDateTimePick32") {
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&pickers));
    ASSERT_EQ(pickers.size(), 6u);
    std::size_t picker = 0;
    for (std::size_t index = 0; index < names.size(); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(tree[index].name, names[index]);
        const bool labelled = index + 1 < names.size() && names[index + 1] == names[index];
        const bool isPicker = index > 0 && names[index - 1] == names[index];
        if (labelled) {
            EXPECT_EQ(tree[index].role, ROLE_SYSTEM_STATICTEXT);
        } else if (isPicker) {
            // The pickers keep the system's own objects, only named.
            ExpectSystemObject(tree[index], pickers[picker]);
            EXPECT_NE(SystemElement(pickers[picker]).name, names[index]);
            ++picker;
        } else {
            // The check boxes and buttons are the system's own, named by their own texts.
            ExpectSystemObject(tree[index], FindChild(configWindow, L"Button", names[index].c_str()));
            EXPECT_EQ(tree[index].state & STATE_SYSTEM_UNAVAILABLE, 0);
        }
    }
    EXPECT_GT(tree[0].location.right, tree[0].location.left);
    EXPECT_LT(tree[0].location.right, tree[1].location.left);
}

TEST_F(AccessibilityTest, AnswersNothingOnceTheWindowHasGone) {
    IAccessible* client = nullptr;
    {
        TPauseWindow window(dialogWindows, EnglishResourceTexts());
        window.ShowTimeLeft("00:01:00");
        ASSERT_HRESULT_SUCCEEDED(AccessibleObjectFromWindow(window.GetHandle(), static_cast<DWORD>(OBJID_CLIENT),
                                                            IID_IAccessible, reinterpret_cast<void**>(&client)));
    }
    LONG count = 0;
    EXPECT_HRESULT_FAILED(client->get_accChildCount(&count));
    BSTR name = nullptr;
    EXPECT_HRESULT_FAILED(client->get_accName(ChildVariant(1), &name));
    client->Release();
}

// The announcements a pause makes, as a screen reader's hook hears them.
class TEventRecorder {
public:
    explicit TEventRecorder(HWND observed) {
        window = observed;
        events.clear();
        hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr, &Record, 0, 0,
                               WINEVENT_OUTOFCONTEXT);
    }
    ~TEventRecorder() { UnhookWinEvent(hook); }
    TEventRecorder(const TEventRecorder&) = delete;
    TEventRecorder& operator=(const TEventRecorder&) = delete;

    // The events heard so far, then forgotten.
    std::vector<DWORD> Take() {
        DrainMessages();
        std::vector<DWORD> heard;
        heard.swap(events);
        return heard;
    }

private:
    static void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND source, LONG object, LONG, DWORD, DWORD) {
        if (source == window && object == OBJID_CLIENT) {
            events.push_back(event);
        }
    }

    // A hook callback gets no context pointer; one recorder lives at a time.
    static inline HWND window = nullptr;
    static inline std::vector<DWORD> events;
    HWINEVENTHOOK hook;
};

TEST_F(AccessibilityTest, PauseSpeaksAtItsStartOnceAMinuteAndAtItsEndOnly) {
    TEventRecorder recorder(pauseWindow.GetHandle());
    const std::vector<DWORD> announcement = {EVENT_OBJECT_DESCRIPTIONCHANGE, EVENT_OBJECT_NAMECHANGE};
    std::vector<int> spokenAt;
    int update = 0;
    const auto show = [&](const std::string& remaining) {
        pauseWindow.ShowTimeLeft(remaining);
        const std::vector<DWORD> heard = recorder.Take();
        if (!heard.empty()) {
            EXPECT_EQ(heard, announcement) << update;
            spokenAt.push_back(update);
        }
        ++update;
    };
    for (int second = 120; second > 0; --second) {
        show(FormatDuration(second));
    }
    show("");
    show("");

    EXPECT_EQ(spokenAt, (std::vector<int>{0, 60, 120}));
    EXPECT_EQ(pauseWindow.GetAccessibleDescription(), L"Make a pause :) Time left: enough");
}

// The system's button face and text colours for one test, the previous ones restored afterwards.
class TSystemColors {
public:
    TSystemColors(COLORREF face, COLORREF text)
        : previous{GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT)} {
        Set(face, text);
    }
    ~TSystemColors() { Set(previous[0], previous[1]); }
    TSystemColors(const TSystemColors&) = delete;
    TSystemColors& operator=(const TSystemColors&) = delete;

private:
    static void Set(COLORREF face, COLORREF text) {
        const INT elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT};
        const COLORREF values[] = {face, text};
        SetSysColors(2, elements, values);
        DrainMessages();
    }

    COLORREF previous[2];
};

std::uint32_t Rgb(COLORREF color) {
    return static_cast<std::uint32_t>(GetRValue(color)) << 16 | static_cast<std::uint32_t>(GetGValue(color)) << 8 |
           GetBValue(color);
}

struct TSchemeCase {
    const char* name;
    COLORREF face;
    COLORREF text;
    // Shown before the colours change, or only after.
    bool shownBefore;
};

class ColorChangeTest : public AccessibilityTest, public testing::WithParamInterface<TSchemeCase> {
protected:
    // Every painted text (found as screen readers find it) holds the new text colour on the new face,
    // and so do the client area's corners. The window paints that many texts.
    void ExpectNewColors(const TWindow& window, int paintedTexts) {
        RedrawWindow(window.GetHandle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const TPicture picture = TPicture::FromClientArea(window.GetHandle());
        const std::uint32_t face = Rgb(GetParam().face);
        const std::uint32_t text = Rgb(GetParam().text);
        int texts = 0;
        for (const TElement& element : ReadTree(window.GetHandle())) {
            if (element.role != ROLE_SYSTEM_STATICTEXT) {
                continue;
            }
            ++texts;
            POINT corner{element.location.left, element.location.top};
            ScreenToClient(window.GetHandle(), &corner);
            int ink = 0;
            for (LONG y = corner.y; y < corner.y + element.location.bottom - element.location.top; ++y) {
                for (LONG x = corner.x; x < corner.x + element.location.right - element.location.left; ++x) {
                    ink += picture.At(x, y) == text ? 1 : 0;
                }
            }
            // A word of two letters ("To") has fewer pixels of ink than a label.
            EXPECT_GT(ink, element.name.size() < 4 ? 5 : 20) << "no text colour in " << std::string(element.name.begin(), element.name.end());
            EXPECT_EQ(picture.At(corner.x, corner.y), face);
        }
        EXPECT_EQ(texts, paintedTexts);
        EXPECT_EQ(picture.At(1, 1), face);
        EXPECT_EQ(picture.At(picture.Width() - 2, picture.Height() - 2), face);
    }
};

TEST_P(ColorChangeTest, BothWindowsTakeTheNewColors) {
    if (GetParam().shownBefore) {
        pauseWindow.ShowTimeLeft("00:04:59");
        configWindow.Open();
    }
    const TSystemColors scheme(GetParam().face, GetParam().text);
    if (!GetParam().shownBefore) {
        pauseWindow.ShowTimeLeft("00:04:58");
        configWindow.Open();
    }
    EXPECT_EQ(pauseWindow.GetBackgroundColor().ToColorRef(), GetParam().face);
    EXPECT_EQ(pauseWindow.GetTextColor().ToColorRef(), GetParam().text);
    ExpectNewColors(pauseWindow, 2);
    // The two times' labels and the four of the eye pause and working-hours groups.
    ExpectNewColors(configWindow, 6);
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, ColorChangeTest,
    testing::Values(TSchemeCase{"HighContrastBlackShown", RGB(0, 0, 0), RGB(255, 255, 255), true},
                    TSchemeCase{"HighContrastBlackHidden", RGB(0, 0, 0), RGB(255, 255, 255), false},
                    TSchemeCase{"HighContrastWhiteShown", RGB(255, 255, 255), RGB(0, 0, 0), true},
                    TSchemeCase{"OwnColorsHidden", RGB(0, 0, 128), RGB(255, 255, 0), false}),
    TCaseName());

}  // namespace
