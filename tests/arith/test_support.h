// Records the warnings that the arithmetic shows, for the duration of one test.
#pragma once

#include "Messages.h"

#include <string>
#include <vector>

class WarningRecorder {
public:
    WarningRecorder() : previous_(SetWarningHandler(&Record)) { Log().clear(); }
    ~WarningRecorder() { SetWarningHandler(previous_); }
    WarningRecorder(const WarningRecorder&) = delete;
    WarningRecorder& operator=(const WarningRecorder&) = delete;

    const std::vector<std::string>& Warnings() const { return Log(); }

private:
    static std::vector<std::string>& Log() {
        static std::vector<std::string> log;
        return log;
    }
    static void Record(const std::string& text) { Log().push_back(text); }

    WarningHandler previous_;
};
