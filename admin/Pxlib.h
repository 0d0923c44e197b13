// pxlib's header, which declares its functions without C linkage of its own.
#pragma once

extern "C" {
#include <paradox.h>
}
