#include "core/ProgramVersion.h"

const char* ProgramVersion()
{
    return VANTOREL_VERSION;
}
