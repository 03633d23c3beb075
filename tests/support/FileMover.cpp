// A helper program for the tests that end a file transfer midway or run two imports at once:
//   file_mover move FROM TO        moves one file, exit code 0 when it was moved
//   file_mover shuttle A B         moves a file from A to B and back until it is ended
//   file_mover import FROM FOLDER  adds the maps of FROM to FOLDER slowly; exit code: how many
//   file_mover hold FILE MS        holds FILE open for nobody else to share for MS milliseconds
//                                  (0: until it is ended), once it holds it writes FILE.held
//                                  (Windows, where files can be held so)
//   file_mover change A B STEP     changes the maps in the folders A and B as a player or another
//                                  program would while this one runs: step STEP of a round of
//                                  adding, renaming, removing and adding in a new subfolder

#include "operations/MapImport.h"
#include "platform/FileTransfer.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

/// Takes its time over every step of an unpacking, as on a slow disk.
class SlowProgress : public operations::UnpackProgress {
public:
    bool unpacking(const std::string&, std::uint64_t, std::uint64_t) override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return true;
    }
};

/// Holds `path` as a virus scanner or the game itself may, letting go after `milliseconds`.
int holdFile(const std::string& path, int milliseconds)
{
#ifdef _WIN32
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    CloseHandle(CreateFileA((path + ".held").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    Sleep(milliseconds > 0 ? static_cast<DWORD>(milliseconds) : INFINITE);
    CloseHandle(file);
    return 0;
#else
    (void)path;
    (void)milliseconds;
    return 2;
#endif
}

/// One step of changes in both folders: a map added in a subfolder, that map renamed up into
/// the folder, that one removed, a map in a new subfolder; the same in the other folder.
void changeMaps(const std::string& a, const std::string& b, int step)
{
    namespace fs = std::filesystem;
    const std::string sep(1, static_cast<char>(fs::path::preferred_separator));
    // Each change may find its file taken by the other program's run: then it is left out.
    std::error_code ignored;
    const auto put = [&](const std::string& path) {
        fs::create_directories(fs::path(path).parent_path(), ignored);
        std::ofstream(path) << "outside";
    };
    for (const std::string& folder : {a, b}) {
        const std::string sub = folder + sep + "outside" + sep;
        const std::string round = std::to_string(step / 4);
        switch (step % 4) {
        case 0:
            put(sub + "CTF-Outside" + round + ".vsm");
            break;
        case 1:
            fs::rename(sub + "CTF-Outside" + round + ".vsm", folder + sep + "dm-renamed" + round + ".vsm", ignored);
            break;
        case 2:
            fs::remove(folder + sep + "dm-renamed" + round + ".vsm", ignored);
            break;
        default:
            put(folder + sep + "New" + round + sep + "WAR-New" + round + ".vsm");
            break;
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && std::string(argv[1]) == "change") {
        changeMaps(argv[2], argv[3], std::stoi(argv[4]));
        return 0;
    }
    if (argc != 4)
        return 2;
    const std::string mode = argv[1], first = argv[2], second = argv[3];
    if (mode == "move")
        return platform::moveFile(first, second) ? 0 : 1;
    if (mode == "import") {
        SlowProgress progress;
        return static_cast<int>(operations::importMaps({first}, second, progress).addedMaps.size());
    }
    if (mode == "hold")
        return holdFile(first, std::stoi(second));
    if (mode != "shuttle")
        return 2;
    for (;;) {
        platform::moveFile(first, second);
        platform::moveFile(second, first);
    }
}
