#pragma once

#include <string>

/// The folders of a program world below one root: the program folder with the English language
/// file and a settings file naming the new-maps folder, and the documents folder with the
/// game's map folders. The same on both systems, for the benchmarks of each.
struct ProgramFolders {
    std::string program, documents, newMaps, published, unpublished;
};

/// Makes them below `root` (keeping what is there, such as maps put in before), the language
/// file copied from `languageFile`; `copyNewMaps` is the settings' line of that name.
ProgramFolders makeProgramFolders(const std::string& root, const std::string& languageFile,
                                  const std::string& copyNewMaps);
