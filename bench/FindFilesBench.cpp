// FindFiles over 100 000 entries in 10 000 folders (one map in ten), beside `find -iname`
// over the same tree.

#include "BenchWorld.h"

#include "catalogue/FileManagement.h"

#include <cstdio>

int main()
{
    BenchFolder tree;
    const int folders = benchSize(10000);
    constexpr int kFilesInFolder = 9; // one map and eight data files: with the folder, ten entries
    for (int folder = 0; folder < folders; ++folder) {
        const std::string dir = "top" + std::to_string(folder / 100) + "/f" + std::to_string(folder) + "/";
        for (int file = 0; file < kFilesInFolder; ++file)
            tree.put(dir + (file == 0 ? "DM-Map" + std::to_string(folder) + ".vsm" : "data" + std::to_string(file) + ".upk"), 0);
    }
    // Warm the caches once for both.
    shell("find '" + tree.path() + "' -iname '*.vsm'");

    const double finder = bestMilliseconds(5, [&] {
        ResetFoundFiles();
        FindFiles(tree.path(), "*.vsm", true);
    });
    const std::int32_t found = FoundFileCount;
    const double find = bestMilliseconds(5, [&] { shell("find '" + tree.path() + "' -iname '*.vsm'"); });

    reportRow("FindFiles, " + grouped(folders * (kFilesInFolder + 1)) + " entries in " + grouped(folders) + " folders",
              finder, "ms", "find -iname '*.vsm'", find, "no slower than find");
    return found == folders ? 0 : 1;
}
