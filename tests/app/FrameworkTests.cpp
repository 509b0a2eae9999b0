// The framework layer without windows: message-map lookup, the command-line
// split handed to ParseParam, and the process entry.
#include <doctest.h>

#include "CommandLineOverride.h"
#include "framework/AfxWinMain.h"
#include "framework/CCommandLineInfo.h"
#include "framework/CWinApp.h"
#include "tests/support/ExitStatusAccess.h"

#include <string>
#include <vector>

namespace {

class CBaseTarget : public CCmdTarget {
public:
    std::vector<std::string> calls;

protected:
    void OnPaint() { calls.push_back("base paint"); }
    void OnRefresh() { calls.push_back("base refresh"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTarget, CCmdTarget)
    ON_WM_PAINT()
    ON_COMMAND(100, OnRefresh)
END_MESSAGE_MAP()

class CDerivedTarget : public CBaseTarget {
protected:
    void OnPaint() { calls.push_back("derived paint"); }
    void OnClicked() { calls.push_back("clicked"); }
    LRESULT OnCustom(WPARAM wParam, LPARAM lParam)
    {
        calls.push_back("custom " + std::to_string(wParam) + " " + std::to_string(lParam));
        return 42;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTarget, CBaseTarget)
    ON_WM_PAINT()
    ON_BN_CLICKED(200, OnClicked)
    ON_MESSAGE(WM_APP + 7, OnCustom)
END_MESSAGE_MAP()

class CRecordingInfo : public CCommandLineInfo {
public:
    void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override
    {
        params.push_back(std::string(pszParam) + (bFlag ? " flag" : "") + (bLast ? " last" : ""));
    }
    std::vector<std::string> params;
};

}  // namespace

TEST_CASE("A message reaches the handler of the most derived map first and then the base maps")
{
    struct Case {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool handled;
        LRESULT result;
        const char* call;
    };
    const Case cases[] = {
        {WM_PAINT, 0, 0, true, 0, "derived paint"},
        {WM_COMMAND, MAKEWPARAM(100, 0), 0, true, 0, "base refresh"},
        {WM_COMMAND, MAKEWPARAM(200, BN_CLICKED), 0, true, 0, "clicked"},
        {WM_COMMAND, MAKEWPARAM(200, EN_CHANGE), 0, false, 0, nullptr},  // other notification
        {WM_COMMAND, MAKEWPARAM(201, BN_CLICKED), 0, false, 0, nullptr},  // other control
        {WM_APP + 7, 3, 4, true, 42, "custom 3 4"},
        {WM_APP + 8, 0, 0, false, 0, nullptr},
    };
    for (const Case& c : cases) {
        CAPTURE(c.message);
        CAPTURE(c.wParam);
        CDerivedTarget target;
        LRESULT result = -1;
        CHECK(static_cast<bool>(target.OnMsgMap(c.message, c.wParam, c.lParam, &result)) == c.handled);
        if (c.handled) {
            CHECK(result == c.result);
            REQUIRE(target.calls.size() == 1);
            CHECK(target.calls[0] == c.call);
        } else {
            CHECK(target.calls.empty());
        }
    }
}

TEST_CASE("ParseCommandLine hands on each argument without one leading switch character")
{
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> params;
    };
    const Case cases[] = {
        {{}, {}},
        {{"MNX"}, {"MNX last"}},
        {{"/MNX", "-C:\\x"}, {"MNX flag", "C:\\x flag last"}},
        {{"//MNX", "--"}, {"/MNX flag", "- flag last"}},
        {{"-", "/", ""}, {" flag", " flag", " last"}},
        {{"a-b", "c/d", " -e"}, {"a-b", "c/d", " -e last"}},
    };
    for (const Case& c : cases) {
        CommandLineOverride commandLine(c.args);
        CRecordingInfo info;
        AfxGetApp()->ParseCommandLine(info);
        CHECK(info.params == c.params);
    }
}

TEST_CASE("The process entry returns the exit status when the dialog cannot be created")
{
    // This test program has no dialog template: the dialog fails at once,
    // and the entry still returns the status of that moment.
    CommandLineOverride noParameters({});
    for (int status : {0, 6}) {
        CAPTURE(status);
        PresetExitCode(status);
        CHECK(AfxWinMain() == status);
        CHECK(AfxGetApp()->m_pMainWnd == nullptr);
    }
    PresetExitCode(0);
}
