#include "platform/Cancellation.h"

#include "platform/Platform.h"

void StopWhenCancelled() {
    if (Platform().CancelRequested())
        throw CComputationCancelled{};
}
