#include "platform/InputQueue.h"

#include <windows.h>

namespace platform {

bool inputWaiting()
{
    return HIWORD(GetQueueStatus(QS_INPUT)) != 0;
}

} // namespace platform
