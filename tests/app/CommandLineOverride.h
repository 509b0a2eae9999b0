// Replaces the C run-time's split command line (__argc, __argv) for the
// length of a test, so that code reading it sees the given parameters.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

class CommandLineOverride {
public:
    explicit CommandLineOverride(const std::vector<std::string>& params)
        : m_texts(params), m_savedArgc(__argc), m_savedArgv(__argv)
    {
        m_texts.insert(m_texts.begin(), "test.exe");
        for (std::string& text : m_texts) m_pointers.push_back(&text[0]);
        m_pointers.push_back(nullptr);
        __argc = static_cast<int>(m_texts.size());
        __argv = m_pointers.data();
    }
    ~CommandLineOverride()
    {
        __argc = m_savedArgc;
        __argv = m_savedArgv;
    }
    CommandLineOverride(const CommandLineOverride&) = delete;
    CommandLineOverride& operator=(const CommandLineOverride&) = delete;

private:
    std::vector<std::string> m_texts;
    std::vector<char*> m_pointers;
    int m_savedArgc;
    char** m_savedArgv;
};
