#include "BenchForms.h"

BenchProgramWorld::BenchProgramWorld(const std::string& copyOption)
{
    static_cast<ProgramFolders&>(*this)
        = makeProgramFolders(root.path(), std::string(VSM_LANGUAGE_DIR) + "/English.ini", copyOption);
}
