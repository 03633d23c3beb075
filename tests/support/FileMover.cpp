// A helper program for the tests that end a file transfer midway:
//   file_mover move FROM TO      moves one file, exit code 0 when it was moved
//   file_mover shuttle A B       moves a file from A to B and back until it is ended

#include "platform/FileTransfer.h"

#include <string>

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    const std::string mode = argv[1], first = argv[2], second = argv[3];
    if (mode == "move")
        return platform::moveFile(first, second) ? 0 : 1;
    if (mode != "shuttle")
        return 2;
    for (;;) {
        platform::moveFile(first, second);
        platform::moveFile(second, first);
    }
}
