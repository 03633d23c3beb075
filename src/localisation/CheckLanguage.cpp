// vsm-check-language ENGLISH FILE...: a translator's check of language files against the English
// one. Prints each fault as "FILE:LINE: what is wrong" and ends with 1 when there was any.

#include "localisation/LanguageCheck.h"

#include <QApplication>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ENGLISH.ini FILE.ini...\n", argv[0]);
        return 2;
    }
    bool anyFault = false;
    try {
        for (int i = 2; i < argc; ++i) {
            const auto faults = localisation::languageFileFaults(argv[1], argv[i]);
            for (const localisation::LanguageFault& fault : faults)
                std::printf("%s:%zu: %s\n", argv[i], fault.line, fault.message.toUtf8().constData());
            anyFault = anyFault || !faults.empty();
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
    return anyFault ? 1 : 0;
}
