/* The disk work that a run over maps on Windows cannot leave out, in the bare Win32 calls, as
 * the baseline of the Windows benchmark (built with the same MinGW-w64, run in the same Wine):
 *   bare_calls move FROM TO    every file below FROM moved into the folder TO (MoveFileExW)
 *   bare_calls copy FROM TO    every file below FROM copied into TO (CopyFileW to a temporary
 *                              name, flushed, renamed into place with MoveFileExW)
 *   bare_calls list FOLDER...  a recursive FindFirstFileW listing of each FOLDER
 * The files are listed before the clock starts for move and copy; it prints the milliseconds
 * and the count of files. */

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include <windows.h>

typedef struct {
    wchar_t** paths;
    size_t count, capacity;
} Paths;

static void add(Paths* paths, const wchar_t* path)
{
    if (paths->count == paths->capacity) {
        paths->capacity = paths->capacity ? paths->capacity * 2 : 1024;
        paths->paths = realloc(paths->paths, paths->capacity * sizeof *paths->paths);
    }
    paths->paths[paths->count++] = _wcsdup(path);
}

/* Every file below `folder` into `paths` (where given); the count of files. */
static size_t listBelow(const wchar_t* folder, Paths* paths)
{
    wchar_t pattern[32768];
    swprintf(pattern, 32768, L"%ls\\*", folder);
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW(pattern, &data);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    size_t files = 0;
    do {
        if (wcscmp(data.cFileName, L".") == 0 || wcscmp(data.cFileName, L"..") == 0)
            continue;
        wchar_t path[32768];
        swprintf(path, 32768, L"%ls\\%ls", folder, data.cFileName);
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            files += listBelow(path, paths);
        } else {
            ++files;
            if (paths)
                add(paths, path);
        }
    } while (FindNextFileW(search, &data));
    FindClose(search);
    return files;
}

static double now(void)
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return (double)counter.QuadPart * 1000.0 / (double)frequency.QuadPart;
}

static int flushedCopy(const wchar_t* from, const wchar_t* to)
{
    wchar_t temporary[32768];
    swprintf(temporary, 32768, L"%ls.tmp", to);
    if (!CopyFileW(from, temporary, TRUE))
        return 0;
    HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    const int flushed = file != INVALID_HANDLE_VALUE && FlushFileBuffers(file);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return flushed && MoveFileExW(temporary, to, 0);
}

int wmain(int argc, wchar_t** argv)
{
    if (argc >= 3 && wcscmp(argv[1], L"list") == 0) {
        const double start = now();
        size_t files = 0;
        for (int i = 2; i < argc; ++i)
            files += listBelow(argv[i], NULL);
        printf("%.1f ms %zu files\n", now() - start, files);
        return 0;
    }
    if (argc != 4 || (wcscmp(argv[1], L"move") != 0 && wcscmp(argv[1], L"copy") != 0)) {
        fprintf(stderr, "usage: bare_calls move|copy FROM TO, or bare_calls list FOLDER...\n");
        return 2;
    }
    const int move = wcscmp(argv[1], L"move") == 0;
    Paths paths = {0};
    listBelow(argv[2], &paths);
    CreateDirectoryW(argv[3], NULL);
    size_t failed = 0;
    const double start = now();
    for (size_t i = 0; i < paths.count; ++i) {
        wchar_t to[32768];
        swprintf(to, 32768, L"%ls\\bare-%zu", argv[3], i);
        if (!(move ? MoveFileExW(paths.paths[i], to, 0) : flushedCopy(paths.paths[i], to)))
            ++failed;
    }
    printf("%.1f ms %zu files\n", now() - start, paths.count);
    return failed == 0 ? 0 : 1;
}
