#include "core/printing.h"
