#pragma once

#include "BenchWorld.h"
#include "ProgramFolders.h"
#include "QuietEnvironment.h"

/// The folders of a program world in a temporary folder of its own, removed at the end.
struct BenchProgramWorld : ProgramFolders {
    explicit BenchProgramWorld(const std::string& copyOption = "false");
    BenchFolder root;
};
