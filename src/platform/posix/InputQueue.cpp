#include "platform/InputQueue.h"

namespace platform {

bool inputWaiting()
{
    return false; // the lists here are kept current without it
}

} // namespace platform
