#include "platform/Version.h"

const char* QueltaVersion() {
    return QUELTA_VERSION;
}
