// Switches the process to a locale whose decimal separator is a comma for the life of the object, as a
// host application may do; restores the previous locale afterwards.
#pragma once

#include <clocale>
#include <string>

class CommaLocale {
public:
    CommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
        for (const char* name : {"ru_RU.UTF-8", "ru_RU.utf8", "de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"}) {
            if (std::setlocale(LC_ALL, name) && *std::localeconv()->decimal_point == ',') {
                active_ = true;
                return;
            }
        }
        std::setlocale(LC_ALL, previous_.c_str());
    }
    ~CommaLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    // False when no comma locale is installed on this machine.
    bool Active() const { return active_; }

private:
    std::string previous_;
    bool active_ = false;
};
