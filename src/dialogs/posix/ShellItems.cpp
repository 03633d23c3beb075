#include "dialogs/fldbrows.h"

void FreeItemIdList(void*& list)
{
    // Without the Windows shell no item id list is ever made: nothing to release.
    list = nullptr;
}
