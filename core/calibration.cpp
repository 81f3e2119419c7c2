#include "core/calibration.h"
