// What the dialog's initialisation makes of real command lines: the probe
// program runs it on its own command line, split by the C run-time.
#include <doctest.h>

#include "BuiltPrograms.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace {

struct Intake {
    std::string component;
    std::string folder;
    bool autoStart = false;
    bool posted = false;
};

std::string FromHex(const std::string& hex)
{
    std::string text;
    for (size_t at = 0; at + 1 < hex.size(); at += 2)
        text += static_cast<char>(std::stoi(hex.substr(at, 2), nullptr, 16));
    return text;
}

std::string ValueOf(const std::string& output, const std::string& name)
{
    const size_t start = output.find(name + "=");
    if (start == std::string::npos) throw std::runtime_error("probe printed no " + name);
    const size_t from = start + name.size() + 1;
    return output.substr(from, output.find_first_of("\r\n", from) - from);
}

Intake RunProbe(const std::string& args)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static int run = 0;
    const std::string outputPath = std::string(temp) + "argprobe" + std::to_string(GetCurrentProcessId()) +
                                   "_" + std::to_string(++run) + ".txt";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE output = CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (output == INVALID_HANDLE_VALUE) throw std::runtime_error("no output file");

    const std::string exe = WindowsPathOf(ARGPROBE_EXE);
    std::string commandLine = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
    CloseHandle(output);
    if (!started) throw std::runtime_error("cannot start the probe");
    WaitForSingleObject(process.hProcess, 30000);
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    std::string text;
    HANDLE file = CreateFileA(outputPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    char buffer[4096];
    DWORD read = 0;
    while (file != INVALID_HANDLE_VALUE && ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read)
        text.append(buffer, read);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    DeleteFileA(outputPath.c_str());
    if (exitCode != 0) throw std::runtime_error("probe failed: " + text);

    Intake intake;
    intake.component = FromHex(ValueOf(text, "component"));
    intake.folder = FromHex(ValueOf(text, "folder"));
    intake.autoStart = ValueOf(text, "autostart") == "1";
    intake.posted = ValueOf(text, "posted") == "1";
    return intake;
}

}  // namespace

TEST_CASE("The dialog stores one or two parameters and posts the unattended start")
{
    struct Case {
        const char* args;  // the command line after the program's name
        const char* component;
        const char* folder;
        bool unattended;
    };
    const Case cases[] = {
        {"", "", "", false},
        {"MNX", "MNX", "", true},
        {"/MNX", "MNX", "", true},
        {"-MNX", "MNX", "", true},
        {"//MNX", "/MNX", "", true},  // only the first switch character goes
        {"-/MNX", "/MNX", "", true},
        {"-", "", "", true},  // a lone switch character leaves an empty parameter
        {"mnx C:\\TAVIRON\\Orvo", "mnx", "C:\\TAVIRON\\Orvo", true},
        {"MNX \"C:\\Program Files\\TAVIRON \"", "MNX", "C:\\Program Files\\TAVIRON ", true},
        {"\"\"", "", "", true},  // one empty quoted argument counts
        {"MNX \"\"", "MNX", "", true},
        {" WBQ  -C:\\TAVIRON ", "WBQ", "C:\\TAVIRON", true},
        {"MNX C:\\A C:\\B", "", "", false},  // three: interactive, nothing stored
        {"\"\" \"\" \"\"", "", "", false},
    };
    for (const Case& c : cases) {
        CAPTURE(c.args);
        const Intake intake = RunProbe(c.args);
        CHECK(intake.component == c.component);
        CHECK(intake.folder == c.folder);
        CHECK(intake.autoStart == c.unattended);
        CHECK(intake.posted == c.unattended);
    }
}
